#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <functional>

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

// The same picture as an icon, with every variant there is. Nothing is read
// until a size of it is asked for (a window system that shows no window
// icons never asks); then every variant is read, once, and shared by all
// copies of the icon (GUI thread only).
QIcon icon(const QString &path);

// Hands the reading of the pictures pixmap(path, devicePixelRatio) will
// want to another thread: the task returned reads them wherever it runs,
// and pixmap() and icon() wait for what it reads instead of reading it
// again. Registered on the GUI thread; the task is to be run once, and one
// dropped unrun leaves nobody waiting.
std::function<void()> readAhead(const QStringList &paths, qreal devicePixelRatio);

} // namespace resourceimage
