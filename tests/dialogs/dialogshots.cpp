// Takes the documentation's pictures of the four dialogs, and of the
// options dialog as it asks once for several files. Not a test and not
// part of the product; build it with the target dialogshots and run it by
// hand under a virtual display, with a fresh settings folder, for example
//   XDG_CONFIG_HOME=$(mktemp -d) xvfb-run -a -s "-screen 0 1024x768x24"
//   build/tests/dialogs/dialogshots docs

#include "aboutdialog.h"
#include "advancedoptions.h"
#include "filedialog.h"
#include "services.h"
#include "soundmillgui.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {
// With a list to open, the list is opened first and the picture is taken
// from the screen, because the open list is a window of its own.
bool shoot(QWidget &dialog, const QString &path, QComboBox *openList = nullptr)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return false;
    if (openList)
        openList->showPopup();
    QTest::qWait(300);
    const QRect area = dialog.frameGeometry();
    const QPixmap picture =
        openList ? dialog.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                 : dialog.grab();
    const bool saved = picture.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    dialog.hide();
    return saved;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tonewright"));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    // The real addresses, but no servers: nothing is posted.
    Services services;
    services.addresses.adServer = QUrl();
    services.addresses.statsServer = QUrl();
    bool ok = true;
    {
        AdvancedOptions dialog(services);
        // Every format shows, down to the last one.
        ok &= shoot(dialog, out.filePath(QStringLiteral("dialog-advanced.png")),
                    dialog.findChild<QComboBox *>(QStringLiteral("cb_Format")));
    }
    {
        AdvancedOptions dialog;
        dialog.setFileCount(12);
        ok &= shoot(dialog, out.filePath(QStringLiteral("dialog-advanced-many.png")));
    }
    {
        FileDialog dialog;
        ok &= shoot(dialog, out.filePath(QStringLiteral("dialog-file.png")));
    }
    {
        SoundmillGui dialog(services);
        ok &= shoot(dialog, out.filePath(QStringLiteral("dialog-settings.png")));
    }
    {
        AboutDialog dialog(services);
        ok &= shoot(dialog, out.filePath(QStringLiteral("dialog-about.png")));
    }
    return ok ? 0 : 1;
}
