#pragma once

#include <QDir>
#include <QString>

namespace nativepath {

// The directory with native separators and exactly one trailing separator,
// ready for a file name to be appended.
inline QString withTrailingSeparator(const QString &directory)
{
    QString native = QDir::toNativeSeparators(directory);
    if (!native.endsWith(QDir::separator()))
        native += QDir::separator();
    return native;
}

} // namespace nativepath
