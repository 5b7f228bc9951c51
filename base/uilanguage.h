#pragma once

#include <QString>
#include <QStringList>

class QObject;

// The user's language for the program's texts and for Qt's own (the standard
// buttons, the directory chooser).
namespace uilanguage {

// The languages the program ships, as "de", "pt_BR", "zh_CN".
QStringList shipped();

// Installs the program's translation for the first of languages (the user's
// interface languages, best first, as QLocale::uiLanguages() gives them) that
// it ships, together with Qt's own translation for that language; the
// translators are children of owner, and deleting it removes them again.
// Returns the installed language, or an empty text when none matched and the
// texts stay in English.
QString install(const QStringList &languages, QObject *owner);

} // namespace uilanguage
