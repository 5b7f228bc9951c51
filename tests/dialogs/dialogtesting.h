#pragma once

// Small checks shared by the dialog suites.

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace dialogtesting {

// The dialog's widget of that class and object name; a missing one ends the
// test at once, since every later check would be about nothing.
template<typename T> T *child(QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("missing widget %s", name);
    return widget;
}

// Names of the tab-focusable widgets in focus-chain order, starting at
// `first` and going once round the chain; only widgets listed in `names`
// are reported, so inner widgets (a spin box's line edit) do not count.
inline QStringList tabChain(QWidget *first, const QStringList &names)
{
    QStringList order;
    QWidget *widget = first;
    do {
        if (names.contains(widget->objectName()) && (widget->focusPolicy() & Qt::TabFocus) &&
            !order.contains(widget->objectName()))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget && widget != first);
    return order;
}

// Widgets that are still around after a test, by class and name.
inline QStringList leftoverWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        left << QString::fromLatin1(window->metaObject()->className()) + QLatin1Char('#') +
                    window->objectName();
    return left;
}

// The colour the style sheet painted at a point of a band (0xRRGGBB).
inline QRgb pixelAt(QWidget *band, int x, int y)
{
    const QImage image = band->grab().toImage();
    if (x < 0)
        x += image.width();
    return image.pixel(x, y) & 0xffffff;
}

// True when two colours differ by at most `tolerance` in every channel.
inline bool closeColour(QRgb a, QRgb b, int tolerance = 3)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace dialogtesting
