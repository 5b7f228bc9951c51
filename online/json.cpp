#include "json.h"

#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

enum class Token {
    None = 0,
    ObjectOpen = 1,
    ObjectClose = 2,
    ArrayOpen = 3,
    ArrayClose = 4,
    Colon = 5,
    Comma = 6,
    String = 7,
    Number = 8,
    True = 9,
    False = 10,
    Null = 11,
};

inline bool isWhitespace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

inline bool continuesNumber(char16_t c)
{
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u'e' ||
           c == u'E';
}

inline int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Index-based scanner over the text's UTF-16 code units; the reader recurses
// once per nested object or array, bounded by MaxJsonDepth.
class Reader
{
public:
    Reader(const QString &text, bool &ok)
        : m_data(reinterpret_cast<const char16_t *>(text.constData()))
        , m_size(text.size())
        , m_ok(ok)
    {
    }

    QVariant readValue()
    {
        qsizetype after = m_pos;
        switch (nextToken(after)) {
        case Token::String:
            return readString();
        case Token::Number:
            return readNumber();
        case Token::ObjectOpen:
            return readObject();
        case Token::ArrayOpen:
            return readArray();
        case Token::True:
            m_pos = after;
            return QVariant(true);
        case Token::False:
            m_pos = after;
            return QVariant(false);
        case Token::Null:
            m_pos = after;
            return QVariant();
        default:
            m_ok = false;
            return QVariant();
        }
    }

private:
    void skipWhitespace(qsizetype &pos) const
    {
        while (pos < m_size && isWhitespace(m_data[pos]))
            ++pos;
    }

    bool matches(qsizetype pos, const char16_t *word, qsizetype length) const
    {
        for (qsizetype i = 0; i < length; ++i) {
            if (m_data[pos + i] != word[i])
                return false;
        }
        return true;
    }

    Token nextToken(qsizetype &pos) const
    {
        skipWhitespace(pos);
        if (pos >= m_size)
            return Token::None;
        switch (m_data[pos]) {
        case u'{':
            ++pos;
            return Token::ObjectOpen;
        case u'}':
            ++pos;
            return Token::ObjectClose;
        case u'[':
            ++pos;
            return Token::ArrayOpen;
        case u']':
            ++pos;
            return Token::ArrayClose;
        case u':':
            ++pos;
            return Token::Colon;
        case u',':
            ++pos;
            return Token::Comma;
        case u'"':
            ++pos;
            return Token::String;
        case u'-':
        case u'0':
        case u'1':
        case u'2':
        case u'3':
        case u'4':
        case u'5':
        case u'6':
        case u'7':
        case u'8':
        case u'9':
            ++pos;
            return Token::Number;
        default:
            break;
        }
        // Keywords are matched as prefixes: what follows them is not examined.
        const qsizetype remaining = m_size - pos;
        if (remaining < 4)
            return Token::None;
        if (matches(pos, u"true", 4)) {
            pos += 4;
            return Token::True;
        }
        if (remaining > 4 && matches(pos, u"false", 5)) {
            pos += 5;
            return Token::False;
        }
        if (matches(pos, u"null", 4)) {
            pos += 4;
            return Token::Null;
        }
        return Token::None;
    }

    // Counts one level of nesting for as long as it lives.
    class DepthGuard
    {
    public:
        explicit DepthGuard(int &depth)
            : m_depth(depth)
        {
            ++m_depth;
        }
        ~DepthGuard() { --m_depth; }
        DepthGuard(const DepthGuard &) = delete;
        DepthGuard &operator=(const DepthGuard &) = delete;
        bool tooDeep() const { return m_depth > MaxJsonDepth; }

    private:
        int &m_depth;
    };

    QVariant readObject()
    {
        DepthGuard guard(m_depth);
        if (guard.tooDeep()) {
            m_ok = false;
            return QVariantMap();
        }
        nextToken(m_pos); // the opening brace
        QVariantMap map;
        for (;;) {
            qsizetype after = m_pos;
            const Token token = nextToken(after);
            if (token == Token::None) {
                m_ok = false;
                return QVariantMap();
            }
            if (token == Token::Comma) {
                m_pos = after;
                continue;
            }
            if (token == Token::ObjectClose) {
                m_pos = after;
                return map;
            }
            // The key reader does not look at its opening character.
            const QVariant key = readString();
            if (!m_ok)
                return QVariantMap();
            if (nextToken(m_pos) != Token::Colon) {
                m_ok = false;
                return QVariantMap();
            }
            QVariant value = readValue();
            if (!m_ok)
                return QVariantMap();
            map.insert(key.toString(), std::move(value));
        }
    }

    QVariant readArray()
    {
        DepthGuard guard(m_depth);
        if (guard.tooDeep()) {
            m_ok = false;
            return QVariantList();
        }
        nextToken(m_pos); // the opening bracket
        QVariantList list;
        for (;;) {
            qsizetype after = m_pos;
            const Token token = nextToken(after);
            if (token == Token::None) {
                m_ok = false;
                return QVariantList();
            }
            if (token == Token::Comma) {
                m_pos = after;
                continue;
            }
            if (token == Token::ArrayClose) {
                m_pos = after;
                return list;
            }
            QVariant value = readValue();
            if (!m_ok)
                return QVariantList();
            list.append(std::move(value));
        }
    }

    QVariant failString()
    {
        m_ok = false;
        return QVariant();
    }

    QVariant readString()
    {
        skipWhitespace(m_pos);
        if (m_pos < m_size)
            ++m_pos; // the opening quote, whatever it is
        QString result;
        qsizetype runStart = m_pos;
        for (;;) {
            if (m_pos >= m_size)
                return failString();
            const char16_t c = m_data[m_pos];
            if (c == u'"') {
                if (result.isEmpty())
                    result = QString(reinterpret_cast<const QChar *>(m_data + runStart),
                                     m_pos - runStart);
                else
                    result.append(reinterpret_cast<const QChar *>(m_data + runStart),
                                  m_pos - runStart);
                ++m_pos;
                return result;
            }
            if (c != u'\\') {
                ++m_pos;
                continue;
            }
            result.append(reinterpret_cast<const QChar *>(m_data + runStart), m_pos - runStart);
            ++m_pos;
            if (m_pos >= m_size)
                return failString();
            const char16_t escaped = m_data[m_pos++];
            switch (escaped) {
            case u'"':
            case u'\\':
            case u'/':
                result.append(QChar(escaped));
                break;
            case u'b':
                result.append(QChar(8));
                break;
            case u'f':
                result.append(QChar(12));
                break;
            case u'n':
                result.append(QChar(10));
                break;
            case u'r':
                result.append(QChar(13));
                break;
            case u't':
                result.append(QChar(9));
                break;
            case u'u': {
                if (m_size - m_pos < 4)
                    return failString();
                // Each escape is one UTF-16 code unit; pairs are not combined,
                // and four characters that are not all hexadecimal give 0.
                int value = 0;
                for (int i = 0; i < 4; ++i) {
                    const int digit = hexValue(m_data[m_pos + i]);
                    if (digit < 0) {
                        value = 0;
                        break;
                    }
                    value = value * 16 + digit;
                }
                result.append(QChar(char16_t(value)));
                m_pos += 4;
                break;
            }
            default:
                break; // an unknown escape is dropped with its backslash
            }
            runStart = m_pos;
        }
    }

    QVariant readNumber()
    {
        skipWhitespace(m_pos);
        const qsizetype start = m_pos;
        bool hasDot = false;
        while (m_pos < m_size && continuesNumber(m_data[m_pos])) {
            if (m_data[m_pos] == u'.')
                hasDot = true;
            ++m_pos;
        }
        const char16_t *text = m_data + start;
        const qsizetype length = m_pos - start;
        if (hasDot)
            return QVariant(toDouble(text, length));
        if (length > 0 && text[0] == u'-')
            return QVariant(qlonglong(toSigned(text + 1, length - 1)));
        return QVariant(qulonglong(toUnsigned(text, length)));
    }

    // Decimal digits only; anything else or an overflow gives 0.
    static bool parseDigits(const char16_t *text, qsizetype length, quint64 limit, quint64 &value)
    {
        if (length == 0)
            return false;
        quint64 result = 0;
        for (qsizetype i = 0; i < length; ++i) {
            const char16_t c = text[i];
            if (c < u'0' || c > u'9')
                return false;
            const quint64 digit = c - u'0';
            if (result > (limit - digit) / 10)
                return false;
            result = result * 10 + digit;
        }
        value = result;
        return true;
    }

    static quint64 toUnsigned(const char16_t *text, qsizetype length)
    {
        quint64 value = 0;
        return parseDigits(text, length, std::numeric_limits<quint64>::max(), value) ? value : 0;
    }

    static qint64 toSigned(const char16_t *digits, qsizetype length)
    {
        quint64 magnitude = 0;
        const quint64 limit = quint64(std::numeric_limits<qint64>::max()) + 1;
        if (!parseDigits(digits, length, limit, magnitude))
            return 0;
        if (magnitude == limit)
            return std::numeric_limits<qint64>::min();
        return -qint64(magnitude);
    }

    static double toDouble(const char16_t *text, qsizetype length)
    {
        // The characters of a number are all ASCII, so narrowing is exact.
        char small[64];
        std::string large;
        char *buffer = small;
        if (length > qsizetype(sizeof small)) {
            large.resize(size_t(length));
            buffer = large.data();
        }
        for (qsizetype i = 0; i < length; ++i)
            buffer[i] = char(text[i]);
        double value = 0;
        const auto [end, error] = std::from_chars(buffer, buffer + length, value);
        if (error != std::errc() || end != buffer + length)
            return 0;
        return value;
    }

    const char16_t *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    int m_depth = 0;
    bool &m_ok;
};

QByteArray quoted(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + 2);
    out.append('"');
    for (const char c : utf8) {
        switch (c) {
        case '\\':
            out.append("\\\\");
            break;
        case '"':
            out.append("\\\"");
            break;
        case 8:
            out.append("\\b");
            break;
        case 12:
            out.append("\\f");
            break;
        case 10:
            out.append("\\n");
            break;
        case 13:
            out.append("\\r");
            break;
        case 9:
            out.append("\\t");
            break;
        default:
            out.append(c);
        }
    }
    out.append('"');
    return out;
}

// printf's %g with precision 6, independent of the C locale's decimal point.
QByteArray doubleText(double value)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    QByteArray text(buffer, result.ptr - buffer);
    if (!text.contains('.')) {
        // "1e+06" would read back as an integer that fails to convert (0), so
        // an exponent without a point gets one too: "1.0e+06".
        const qsizetype exponent = text.indexOf('e');
        if (exponent < 0)
            text.append(".0");
        else
            text.insert(exponent, ".0");
    }
    return text;
}

QByteArray write(const QVariant &value, bool &ok, int depth);

QByteArray writeList(const QVariantList &list, bool &ok, int depth)
{
    QByteArray joined;
    for (const QVariant &element : list) {
        bool elementOk = true;
        const QByteArray text = write(element, elementOk, depth + 1);
        if (text.isNull()) {
            ok = false;
            break;
        }
        if (!joined.isEmpty())
            joined.append(", ");
        joined.append(text);
    }
    return "[ " + joined + " ]";
}

QByteArray writeMap(const QVariantMap &map, bool &ok, int depth)
{
    QByteArray joined;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        bool elementOk = true;
        const QByteArray text = write(it.value(), elementOk, depth + 1);
        if (text.isNull()) {
            ok = false;
            break;
        }
        if (!joined.isEmpty())
            joined.append(", ");
        joined.append(quoted(it.key()));
        joined.append(" : ");
        joined.append(text);
    }
    return "{ " + joined + " }";
}

QByteArray write(const QVariant &value, bool &ok, int depth)
{
    ok = true;
    QByteArray result;
    if (!value.isValid())
        return QByteArrayLiteral("null");

    const int type = value.typeId();
    if (depth >= MaxJsonDepth &&
        (type == QMetaType::QVariantList || type == QMetaType::QStringList ||
         type == QMetaType::QVariantMap)) {
        ok = false;
    } else if (type == QMetaType::QVariantList || type == QMetaType::QStringList) {
        result = writeList(value.toList(), ok, depth);
    } else if (type == QMetaType::QVariantMap) {
        result = writeMap(value.toMap(), ok, depth);
    } else if (type == QMetaType::QString || type == QMetaType::QByteArray) {
        result = quoted(value.toString());
    } else if (type == QMetaType::Double || type == QMetaType::Float) {
        // Infinity and NaN have no JSON form; writing "inf.0" would corrupt the document.
        const double d = value.toDouble();
        if (std::isfinite(d))
            result = doubleText(d);
        else
            ok = false;
    } else if (type == QMetaType::Bool) {
        result = value.toBool() ? QByteArrayLiteral("true") : QByteArrayLiteral("false");
    } else if (type == QMetaType::ULongLong) {
        result = QByteArray::number(value.toULongLong());
    } else if (value.canConvert<qlonglong>()) {
        result = QByteArray::number(value.toLongLong());
    } else if (value.canConvert(QMetaType::fromType<long>())) {
        result = quoted(QString::number(value.value<long>()));
    } else if (value.canConvert<QString>()) {
        result = quoted(value.toString());
    } else {
        ok = false;
    }
    return ok ? result : QByteArray();
}

} // namespace

QVariant readJson(const QString &text, bool &ok)
{
    ok = true;
    if (text.isNull())
        return QVariant();
    Reader reader(text, ok);
    return reader.readValue();
}

QVariant readJson(const QString &text)
{
    bool ok = true;
    return readJson(text, ok);
}

QByteArray writeJson(const QVariant &value, bool &ok)
{
    return write(value, ok, 0);
}

QByteArray writeJson(const QVariant &value)
{
    bool ok = true;
    return writeJson(value, ok);
}
