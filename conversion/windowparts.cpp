#include "windowparts.h"

#include "aboutdialog.h"
#include "resourceimage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>

namespace windowparts {

void showPictures(QWidget *window, QLabel *logo, QLabel *ad)
{
    const QString icon = QStringLiteral(":/resources/imgs/icon.png");
    window->setWindowIcon(resourceimage::icon(icon));
    logo->setPixmap(resourceimage::pixmap(icon, window->devicePixelRatioF()));
    ad->setPixmap(resourceimage::pixmap(QStringLiteral(":/resources/imgs/likeus.png"),
                                        window->devicePixelRatioF()));
}

void showSettingsHint(QWidget *window)
{
    // The texts are the conversion window's.
    QMessageBox::information(
        window, QCoreApplication::translate("Soundmill", "Information"),
        QCoreApplication::translate("Soundmill",
                                    "To set common settings open Tonewright in the start menu.\nTo "
                                    "change the volume of the file or add metadata select advanced "
                                    "conversion from Explorer."));
}

void showAbout(const Services &services)
{
    AboutDialog dialog(services);
    dialog.exec();
}

} // namespace windowparts
