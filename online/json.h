#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

// A small JSON reader and writer on top of QVariant.
//
// The reader is deliberately lenient: commas between members and elements are
// optional, text after the first complete value is ignored and unknown escapes
// are dropped. Numbers with a "." become double, other numbers starting with
// "-" become qlonglong and the rest qulonglong (never int); a number text that
// does not convert gives 0 of its type. Objects become QVariantMap, arrays
// QVariantList, null an invalid QVariant.
//
// ok is set to true first and to false on the first error; the result is then
// an empty container of the outermost kind (or an invalid QVariant). Callers
// must check ok: an empty map with ok true is an empty object. A null text
// reads as an invalid QVariant with ok true. Nesting deeper than
// MaxJsonDepth objects and arrays is an error rather than a stack overflow.
inline constexpr int MaxJsonDepth = 256;

QVariant readJson(const QString &text, bool &ok);
QVariant readJson(const QString &text);

// Writes UTF-8 JSON text. ok false (and a null result) when some value cannot
// be written: an unsupported type or a double that is infinite or NaN.
QByteArray writeJson(const QVariant &value, bool &ok);
QByteArray writeJson(const QVariant &value);
