#include "windowlinks.h"

#include "aboutdialog.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace windowlinks {

void showSettingsHint(QWidget *window)
{
    // The texts are the conversion window's.
    QMessageBox::information(
        window, QCoreApplication::translate("Soundmill", "Information"),
        QCoreApplication::translate(
            "Soundmill", "To set common settings open Tonewright in the start menu.\nTo "
                         "change the volume of the file or add metadata select advanced "
                         "conversion from Explorer."));
}

void showAbout(const Services &services)
{
    AboutDialog dialog(services);
    dialog.exec();
}

} // namespace windowlinks
