// libFuzzer target for the JSON reader (built by scripts/checks/online-fuzz-json.sh
// with clang, outside the CMake build). Besides "no crash", it checks that
// whatever the reader accepts can be written, and that writing is stable:
// reading the written text back gives the same text again.
#include "json.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks how the rest becomes text: raw UTF-16 code units
    // reach lone surrogates and any code unit; Latin-1 is what the
    // advertisement reader feeds in; UTF-8 covers the common case.
    const char *bytes = reinterpret_cast<const char *>(data + 1);
    const qsizetype length = qsizetype(size - 1);
    QString text;
    switch (data[0] % 3) {
    case 0: {
        text.resize(length / 2);
        std::memcpy(text.data(), bytes, size_t(length / 2) * 2);
        break;
    }
    case 1:
        text = QString::fromLatin1(bytes, length);
        break;
    default:
        text = QString::fromUtf8(bytes, length);
    }

    bool ok = false;
    const QVariant value = readJson(text, ok);
    if (!ok)
        return 0;
    bool writeOk = false;
    const QByteArray written = writeJson(value, writeOk);
    if (!writeOk || written.isNull())
        std::abort();
    bool again = false;
    const QVariant reread = readJson(QString::fromUtf8(written), again);
    if (!again)
        std::abort();
    const QByteArray rewritten = writeJson(reread);
    if (rewritten != writeJson(readJson(QString::fromUtf8(rewritten))))
        std::abort();
    return 0;
}
