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
//
// Beside a picture "name.png" may lie "name@2x.png" and "name@3x.png" for
// high-density screens. Qt picks those by itself only for icons, so the
// variant is chosen here.
namespace resourceimage {

// The picture at path (":/…"); a null pixmap when it is missing or no PNG.
// For a devicePixelRatio above 1 the sharpest variant needed is read and
// carries its ratio, so that its size in logical pixels is the 1x picture's.
QPixmap pixmap(const QString &path, qreal devicePixelRatio = 1);

// The same picture as an icon, with every variant there is. Each icon is
// read once and then shared (GUI thread only).
QIcon icon(const QString &path);

} // namespace resourceimage
