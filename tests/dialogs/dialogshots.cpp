// Takes the documentation's pictures of the four dialogs, and of the
// options dialog as it asks once for several files. Not a test and not
// part of the product; build it with the target dialogshots and run it by
// hand under a virtual display, with a fresh settings folder, for example
//   XDG_CONFIG_HOME=$(mktemp -d) xvfb-run -a -s "-screen 0 1024x768x24"
//   build/tests/dialogs/dialogshots docs

#include "aboutdialog.h"
#include "advancedoptions.h"
#include "filedialog.h"
#include "soundmillgui.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>

namespace {
bool shoot(QWidget &dialog, const QString &path)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return false;
    QTest::qWait(300);
    const bool saved = dialog.grab().save(path);
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
    bool ok = true;
    {
        AdvancedOptions dialog;
        ok &= shoot(dialog, out.filePath(QStringLiteral("dialog-advanced.png")));
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
        SoundmillGui dialog;
        ok &= shoot(dialog, out.filePath(QStringLiteral("dialog-settings.png")));
    }
    {
        AboutDialog dialog;
        ok &= shoot(dialog, out.filePath(QStringLiteral("dialog-about.png")));
    }
    return ok ? 0 : 1;
}
