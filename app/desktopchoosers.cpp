#include "desktopchoosers.h"

#include "addressopener.h"

#include <QFileDialog>

Services withDesktopChoosers(Services services)
{
    if (!services.browse)
        services.browse = addressopener::openWithDesktop;
    if (!services.chooseDirectory) {
        services.chooseDirectory = [](QWidget *parent, Services::DirectoryAnswer answer) {
            auto *chooser = new QFileDialog(parent);
            chooser->setAttribute(Qt::WA_DeleteOnClose);
            chooser->setFileMode(QFileDialog::Directory);
            chooser->setOption(QFileDialog::ShowDirsOnly);
            QObject::connect(chooser, &QFileDialog::finished, chooser,
                             [chooser, answer = std::move(answer)](int result) {
                                 const QStringList chosen = chooser->selectedFiles();
                                 answer(result == QDialog::Accepted && !chosen.isEmpty()
                                            ? chosen.first()
                                            : QString());
                             });
            chooser->open();
        };
    }
    if (!services.chooseOpenFile) {
        services.chooseOpenFile = [](QWidget *parent) {
            return QFileDialog::getOpenFileName(parent, QString(), QString(), QString(), nullptr,
                                                {});
        };
    }
    return services;
}
