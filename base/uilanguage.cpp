#include "uilanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <optional>

namespace uilanguage {

namespace {

const QLatin1String Folder(":/translations");
const QLatin1String Prefix("tonewright_");

// The shipped language for one of the user's languages: the exact one, else
// the language alone ("de_AT" reads German). Chinese only in its simplified
// script: a reader of the traditional one is better served by English than by
// the other script.
QString match(const QString &language, const QStringList &available)
{
    const QLocale locale(language);
    // QLocale fills in a missing territory ("pt" is pt_BR, "zh" is zh_CN).
    const QString full = locale.name();
    if (available.contains(full))
        return full;
    if (locale.language() == QLocale::Chinese && locale.script() != QLocale::SimplifiedHanScript)
        return QString();
    const QString bare = full.section(QLatin1Char('_'), 0, 0);
    for (const QString &candidate : available) {
        if (candidate.section(QLatin1Char('_'), 0, 0) == bare)
            return candidate;
    }
    return QString();
}

} // namespace

QStringList shipped()
{
    // Matched by hand: a name filter would build a regular expression.
    QStringList languages;
    const QStringList files = QDir(Folder).entryList(QDir::Files);
    for (const QString &file : files) {
        if (file.startsWith(Prefix) && file.endsWith(QLatin1String(".qm")))
            languages << file.mid(Prefix.size()).chopped(3);
    }
    return languages;
}

QString install(const QStringList &languages, QObject *owner)
{
    // Listed only for a reader of another language than English: the
    // program's start waits for this.
    std::optional<QStringList> available;
    for (const QString &language : languages) {
        // The texts are written in English: a reader who puts English
        // before another language gets them as they are.
        const QLocale::Language spoken = QLocale(language).language();
        if (spoken == QLocale::English)
            return QString();
        if (spoken == QLocale::C || spoken == QLocale::AnyLanguage)
            continue;
        if (!available)
            available = shipped();
        const QString chosen = match(language, *available);
        if (chosen.isEmpty())
            continue;
        auto *own = new QTranslator(owner);
        if (!own->load(Folder + QLatin1Char('/') + Prefix + chosen)) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        // Qt's own texts come from the system's Qt translations; without them
        // the standard buttons stay English, the program's texts do not.
        auto *qt = new QTranslator(owner);
        if (qt->load(QLatin1String("qtbase_") + chosen,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return chosen;
    }
    return QString();
}

} // namespace uilanguage
