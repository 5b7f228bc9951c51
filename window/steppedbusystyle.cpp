#include "steppedbusystyle.h"

#include <QApplication>
#include <QDateTime>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionProgressBar>

namespace {
// One sweep of the block across the bar.
constexpr qint64 SweepMs = 2000;
} // namespace

SteppedBusyStyle::SteppedBusyStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

void SteppedBusyStyle::drawControl(ControlElement element, const QStyleOption *option,
                                   QPainter *painter, const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionProgressBar *>(option);
    if (element != CE_ProgressBarContents || !bar || bar->minimum != 0 || bar->maximum != 0) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QRect area = option->rect.adjusted(1, 1, -1, -1);
    const int block = qMax(1, area.width() / 4);
    const qint64 phase = QDateTime::currentMSecsSinceEpoch() % SweepMs;
    const int left = area.left() - block + int(phase * (area.width() + block) / SweepMs);
    painter->fillRect(QRect(left, area.top(), block, area.height()).intersected(area),
                      option->palette.brush(QPalette::Highlight));
}
