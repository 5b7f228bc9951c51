#include "nametext.h"

namespace nametext {
namespace {

// Line and paragraph separators, and the marks, embeddings, overrides and
// isolates of bidirectional text: each is invisible and changes how the
// text around it is laid out.
bool isLayoutControl(char16_t c)
{
    return c == 0x061c || c == 0x200e || c == 0x200f || (c >= 0x2028 && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069);
}

QString hex(char16_t c, int digits)
{
    return QStringLiteral("%1").arg(uint(c), digits, 16, QLatin1Char('0'));
}

} // namespace

QString escaped(const QString &name)
{
    QString result;
    result.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (c == u'\n') {
            result += QLatin1String("\\n");
        } else if (c == u'\t') {
            result += QLatin1String("\\t");
        } else if (c == u'\r') {
            result += QLatin1String("\\r");
        } else if (c < 0x20 || (c >= 0x7f && c <= 0x9f)) {
            result += QLatin1String("\\x") + hex(c, 2);
        } else if (isLayoutControl(c)) {
            result += QLatin1String("\\u") + hex(c, 4);
        } else if (QChar::isHighSurrogate(c) && i + 1 < name.size() &&
                   name.at(i + 1).isLowSurrogate()) {
            result += name.at(i);
            result += name.at(++i);
        } else if (QChar::isSurrogate(c)) {
            result += QLatin1String("\\u") + hex(c, 4); // half a character
        } else {
            result += name.at(i);
        }
    }
    return result;
}

QString forWindow(const QString &name)
{
    return QChar(0x2068) + escaped(name) + QChar(0x2069);
}

} // namespace nametext
