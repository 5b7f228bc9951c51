// A sheet's bytes as text: the byte-order marks, strict UTF-8, the
// encoding the user named, or the legacy code page uchardet guesses.
#include "cuesheet.h"
#include "cuesheet_p.h"

#include <QStringDecoder>
#include <cerrno>
#include <uchardet.h>

#if __has_include(<iconv.h>)
#include <iconv.h>
#define TW_CUESHEET_ICONV 1
#endif

namespace cuesheet {
using detail::failed;
using detail::tr;

namespace {

// uchardet's answers among the code pages sheets come in, and the decoder
// each is read with: the Windows variant, a superset of the standard one.
// Anything else, or no answer (uchardet unsure), is read as CP1252, which
// decodes any byte.
struct CodePage
{
    const char *detected;
    const char *decoder;
};
constexpr CodePage CodePages[] = {
    {"WINDOWS-1251", "windows-1251"},
    {"WINDOWS-1252", "windows-1252"},
    {"ISO-8859-1", "windows-1252"},
    {"ISO-8859-15", "windows-1252"},
    {"SHIFT_JIS", "windows-31j"},
    {"GB18030", "GB18030"},
    {"GB2312", "GB18030"},
    {"GBK", "GB18030"},
    {"BIG5", "Big5"},
    {"EUC-KR", "CP949"},
    {"UHC", "CP949"},
};
constexpr const char *Fallback = "windows-1252";

QByteArray detectedCodePage(const QByteArray &bytes)
{
    // A sheet's first 64 KB tell its code page as well as all of it.
    constexpr qsizetype Enough = 64 * 1024;
    uchardet_t detector = uchardet_new();
    if (!detector)
        return Fallback;
    QByteArray answer;
    if (uchardet_handle_data(detector, bytes.constData(), size_t(qMin(bytes.size(), Enough))) ==
        0) {
        uchardet_data_end(detector);
        answer = QByteArray(uchardet_get_charset(detector)).toUpper();
    }
    uchardet_delete(detector);
    for (const CodePage &page : CodePages) {
        if (answer == page.detected)
            return page.decoder;
    }
    return Fallback;
}

#ifdef TW_CUESHEET_ICONV
// glibc's iconv for the encodings Qt's ICU does not know; a sequence that
// is not in the encoding becomes U+FFFD.
std::optional<QString> iconvDecode(const QByteArray &bytes, const QByteArray &encoding)
{
    iconv_t converter = iconv_open("UTF-8", encoding.constData());
    if (converter == iconv_t(-1))
        return std::nullopt;
    QByteArray utf8;
    char buffer[4096];
    char *in = const_cast<char *>(bytes.constData());
    size_t left = size_t(bytes.size());
    for (bool flushed = false; !flushed;) {
        char *out = buffer;
        size_t room = sizeof buffer;
        // With the input used up, one more call writes what a stateful
        // encoding still holds.
        flushed = left == 0;
        const size_t done = flushed ? iconv(converter, nullptr, nullptr, &out, &room)
                                    : iconv(converter, &in, &left, &out, &room);
        utf8.append(buffer, out - buffer);
        if (done != size_t(-1) || errno == E2BIG)
            continue;
        utf8.append("\xEF\xBF\xBD");
        if (errno == EILSEQ && left > 0) {
            ++in;
            --left;
        } else {
            left = 0; // an incomplete sequence at the end
        }
    }
    iconv_close(converter);
    return QString::fromUtf8(utf8);
}
#endif

bool knownEncoding(const QByteArray &encoding)
{
    if (encoding.contains('\0') || encoding.size() > 64)
        return false;
    if (QStringDecoder(encoding.constData()).isValid())
        return true;
#ifdef TW_CUESHEET_ICONV
    iconv_t converter = iconv_open("UTF-8", encoding.constData());
    if (converter != iconv_t(-1)) {
        iconv_close(converter);
        return true;
    }
#endif
    return false;
}

QString decodeAs(const QByteArray &bytes, const QByteArray &encoding)
{
    QStringDecoder decoder(encoding.constData());
    if (decoder.isValid())
        return decoder.decode(bytes);
#ifdef TW_CUESHEET_ICONV
    if (auto text = iconvDecode(bytes, encoding))
        return *text;
#endif
    return QString::fromLatin1(bytes); // not reached: the name was checked
}

// Text that holds a NUL, or more control characters than a stray one in a
// title, is binary data. Tab, the line ends, form feed and DOS's end-of-file
// mark are allowed.
bool binary(const QString &text)
{
    qsizetype controls = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0)
            return true;
        if (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r' && u != u'\f' && u != u'\v' &&
            u != 0x1a)
            ++controls;
    }
    return controls * 100 > text.size();
}

} // namespace

std::optional<QString> decode(const QByteArray &bytes, const QByteArray &encoding, QString *error)
{
    if (!encoding.isEmpty() && !knownEncoding(encoding))
        return failed<QString>(error, tr("\"%1\" is not an encoding this program knows.")
                                          .arg(detail::shown(QString::fromLatin1(encoding))));
    QString text;
    const auto withBom = [&](QStringConverter::Encoding unicode, qsizetype bom) {
        text = QStringDecoder(unicode).decode(QByteArrayView(bytes).sliced(bom));
    };
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        withBom(QStringConverter::Utf8, 3);
    } else if (bytes.startsWith("\xFF\xFE")) {
        withBom(QStringConverter::Utf16LE, 2);
    } else if (bytes.startsWith("\xFE\xFF")) {
        withBom(QStringConverter::Utf16BE, 2);
    } else {
        QStringDecoder utf8(QStringConverter::Utf8);
        text = utf8.decode(bytes);
        // NULs are valid UTF-8, but UTF-16 without a byte-order mark is
        // full of them: the encoding named may read it.
        if (utf8.hasError() || text.contains(QChar(0)))
            text = decodeAs(bytes, encoding.isEmpty() ? detectedCodePage(bytes) : encoding);
    }
    if (binary(text))
        return failed<QString>(error,
                               tr("This is not a cue sheet: it holds binary data, not text."));
    return text;
}

} // namespace cuesheet
