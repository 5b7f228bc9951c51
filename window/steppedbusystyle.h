#pragma once

#include <QProxyStyle>

// Draws a busy (indeterminate) progress bar as a block that moves with the
// clock each time the bar is repainted, instead of starting the style's own
// animation, which repaints it sixty times a second. The owner decides how
// often to repaint.
class SteppedBusyStyle : public QProxyStyle
{
public:
    SteppedBusyStyle();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};
