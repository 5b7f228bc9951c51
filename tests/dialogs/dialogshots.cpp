// Takes the documentation's pictures of the conversion window, the window of
// a selection (and of an album image's tracks and a folder's mirror) and the four dialogs, and of the options dialog as it asks
// once for several files. Not a test and not part of the product; build it
// with the target dialogshots and run it by hand under a virtual display,
// with a fresh settings folder, for example
//   XDG_CONFIG_HOME=$(mktemp -d) xvfb-run -a -s "-screen 0 1024x768x24"
//   build/tests/dialogs/dialogshots docs
// With a language ("de") as second argument the pictures are taken in that
// language and named window-de.png, dialog-advanced-de.png and so on; under
// QT_SCALE_FACTOR=2 they have twice the pixels.

#include "aboutdialog.h"
#include "advancedoptions.h"
#include "filedialog.h"
#include "progresstext.h"
#include "selectionwindow.h"
#include "services.h"
#include "soundmill.h"
#include "soundmillgui.h"
#include "uilanguage.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
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
    const QString language = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!language.isEmpty() && uilanguage::install({language}, &app) != language) {
        std::printf("no translation for %s\n", qPrintable(language));
        return 1;
    }
    // "window.png", or "window-de.png" in German.
    const auto named = [&out, &language](const char *name) {
        return out.filePath(QLatin1String(name) +
                            (language.isEmpty() ? QString() : QLatin1Char('-') + language) +
                            QStringLiteral(".png"));
    };
    // The real addresses, but no servers: nothing is posted.
    Services services;
    services.addresses.adServer = QUrl();
    services.addresses.statsServer = QUrl();
    bool ok = true;
    {
        // A conversion under way, with the texts the window shows then.
        Soundmill window(services);
        const QString title = Soundmill::tr("Converting %1 to %2").arg("FLAC", "MP3");
        window.setWindowTitle(title);
        window.findChild<QLabel *>("lbl_Title")->setText(title);
        window.findChild<QLabel *>("lbl_Source")->setText("sample.flac");
        window.findChild<QLabel *>("lbl_Target")->setText("sample.mp3");
        window.findChild<QLabel *>("lbl_TimeRemaining")
            ->setText(progresstext::timeRemaining(150000));
        window.findChild<QLabel *>("lbl_Speed")->setText(progresstext::speed(42));
        window.findChild<QProgressBar *>()->setValue(35);
        ok &= shoot(window, named("window"));
    }
    {
        // A selection under way: some files converted, some failed, two running.
        SelectionWindow window(services);
        const QString title =
            SelectionWindow::tr("Converting %n files to %1", nullptr, 40).arg("MP3");
        window.setWindowTitle(title);
        window.findChild<QLabel *>("lbl_Title")->setText(title);
        window.findChild<QLabel *>("lbl_Count")
            ->setText(
                SelectionWindow::tr("%1 of %n converted, %2 failed", nullptr, 40).arg(12).arg(3));
        window.findChild<QLabel *>("lbl_Running")
            ->setText("Morning Walk.flac\nHarbour Lights.flac");
        window.findChild<QLabel *>("lbl_TimeRemaining")
            ->setText(progresstext::timeRemaining(250000));
        window.findChild<QProgressBar *>()->setValue(38);
        ok &= shoot(window, named("window-many"));
    }
    {
        // An album image cut into its tracks.
        SelectionWindow window(services);
        // As the window shows it, a long title shortened.
        window.setRun(SelectionWindow::tr("Converting %n tracks of %1 to %2", nullptr, 12)
                          .arg("Kind of Blue", "MP3"),
                      {});
        window.findChild<QLabel *>("lbl_Count")
            ->setText(SelectionWindow::tr("%1 of %n converted", nullptr, 12).arg(5));
        window.findChild<QLabel *>("lbl_Running")->setText("06 Flamenco Sketches\n07 Blue in Green");
        window.findChild<QLabel *>("lbl_TimeRemaining")
            ->setText(progresstext::timeRemaining(45000));
        window.findChild<QProgressBar *>()->setRange(0, 100);
        window.findChild<QProgressBar *>()->setValue(46);
        ok &= shoot(window, named("window-image"));
    }
    {
        // A folder's mirror being updated.
        SelectionWindow window(services);
        window.setRun(QCoreApplication::translate("MirrorRun", "Updating %1").arg("Music (MP3)"),
                      {});
        window.findChild<QLabel *>("lbl_Count")
            ->setText(SelectionWindow::tr("%1 of %n converted", nullptr, 40).arg(12));
        window.findChild<QLabel *>("lbl_Running")->setText("Blue in Green.flac\nSo What.flac");
        window.findChild<QLabel *>("lbl_TimeRemaining")
            ->setText(progresstext::timeRemaining(190000));
        window.findChild<QProgressBar *>()->setRange(0, 100);
        window.findChild<QProgressBar *>()->setValue(30);
        ok &= shoot(window, named("window-folder"));
    }
    {
        AdvancedOptions dialog(services);
        // Every format shows, down to the last one.
        ok &= shoot(dialog, named("dialog-advanced"),
                    dialog.findChild<QComboBox *>(QStringLiteral("cb_Format")));
    }
    {
        AdvancedOptions dialog;
        dialog.setFileCount(12);
        ok &= shoot(dialog, named("dialog-advanced-many"));
    }
    {
        FileDialog dialog;
        ok &= shoot(dialog, named("dialog-file"));
    }
    {
        SoundmillGui dialog(services);
        ok &= shoot(dialog, named("dialog-settings"));
    }
    {
        AboutDialog dialog(services);
        ok &= shoot(dialog, named("dialog-about"));
    }
    return ok ? 0 : 1;
}
