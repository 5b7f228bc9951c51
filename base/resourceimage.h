#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The pictures bundled in the program's resources, all of them PNG files.
//
// A reader left to guess a picture's format first loads every image-format
// plugin installed (and the libraries those pull in) to ask each one; that
// is a noticeable share of the conversion window's start. These read the
// bundled pictures as PNG straight away.
namespace resourceimage {

// The picture at path (":/…"); a null pixmap when it is missing or no PNG.
QPixmap pixmap(const QString &path);

// The same picture as an icon.
QIcon icon(const QString &path);

} // namespace resourceimage
