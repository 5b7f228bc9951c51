#include "desktopchoosers.h"
#include "dialogtesting.h"
#include "filedialog.h"
#include "modalanswerer.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TestFileDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void validation_data();
    void validation();
    void closeButtonValidates();
    void retryAfterError();
    void leavingLeavesNoFile_data();
    void leavingLeavesNoFile();
    void browseChoosesFile();
    void browseCancelledEmptiesField();

private:
    QString writeFile(const QString &name);

    QTemporaryDir m_dir;
};

namespace {
using dialogtesting::child;
} // namespace

void TestFileDialog::initTestCase()
{
    // Qt's file dialog keeps its own state in the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QVERIFY(m_dir.isValid());
}

void TestFileDialog::cleanup()
{
    QCOMPARE(dialogtesting::leftoverWindows(), QStringList());
}

QString TestFileDialog::writeFile(const QString &name)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("RIFF") != 4)
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestFileDialog::validation_data()
{
    QTest::addColumn<QString>("path"); // relative to the test folder; "" stays empty
    QTest::addColumn<bool>("accepted");

    QTest::newRow("empty") << "" << false;
    QTest::newRow("directory") << "." << false;
    QTest::newRow("missing") << "missing.wav" << false;
    QTest::newRow("unreadable") << "locked.wav" << false;
    QTest::newRow("spaces only") << "   " << false;
    QTest::newRow("file") << "song.wav" << true;
    QTest::newRow("file with spaces") << "my song.flac" << true;
}

void TestFileDialog::validation()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);

    const QString full = path.isEmpty() || path.trimmed().isEmpty() ? path : m_dir.filePath(path);
    if (path == "song.wav" || path == "my song.flac")
        writeFile(path);
    if (path == "locked.wav") {
        // root reads any file whatever its mode, so there is no unreadable
        // regular file to offer.
        if (::geteuid() == 0)
            QSKIP("running as root: every file is readable");
        QFile::setPermissions(writeFile(path), QFileDevice::WriteOwner);
    }

    FileDialog dialog;
    child<QLineEdit>(dialog, "txt_FileName")->setText(full);
    dialog.show();
    ModalAnswerer answerer;
    if (!accepted)
        answerer.enqueue(ModalAnswerer::click("Dismiss"));
    child<QPushButton>(dialog, "btn_Convert")->click();

    QCOMPARE(answerer.unanswered(), 0);
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(dialog.fileName(), accepted ? full : QString());
    QCOMPARE(child<QLineEdit>(dialog, "txt_FileName")->text(), full);
    if (accepted) {
        QVERIFY(answerer.seen.isEmpty());
    } else {
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].title, "Error");
        QCOMPARE(answerer.seen[0].text, "Please browse for a file you want to convert!\n");
        QCOMPARE(answerer.seen[0].buttons, QStringList{"Dismiss"});
        QCOMPARE(answerer.seen[0].icon, QMessageBox::Warning);
        dialog.hide();
    }
    QCOMPARE(dialog.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
}

void TestFileDialog::closeButtonValidates()
{
    FileDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ModalAnswerer answerer;
    answerer.enqueue(ModalAnswerer::click("Dismiss"));
    // The title bar's close button: a spontaneous close event via the window.
    dialog.windowHandle()->close();
    QCOMPARE(answerer.seen.size(), 1);
    QVERIFY(dialog.isVisible());

    const QString file = writeFile("closing.wav");
    child<QLineEdit>(dialog, "txt_FileName")->setText(file);
    dialog.windowHandle()->close();
    QCOMPARE(answerer.seen.size(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.fileName(), file);
}

void TestFileDialog::retryAfterError()
{
    FileDialog dialog;
    const QString file = writeFile("typed.wav");
    ModalAnswerer answerer;
    // Continue with an empty field first, then with a path typed by hand.
    answerer.enqueue([&dialog](QWidget *) { child<QPushButton>(dialog, "btn_Convert")->click(); });
    answerer.enqueue(ModalAnswerer::click("Dismiss"));
    answerer.enqueue([&dialog, &file](QWidget *) {
        child<QLineEdit>(dialog, "txt_FileName")->setText(file);
        child<QPushButton>(dialog, "btn_Convert")->click();
    });
    dialog.exec();
    QCOMPARE(answerer.unanswered(), 0);
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.count("Error"), 1);
    QCOMPARE(dialog.fileName(), file);
}

void TestFileDialog::leavingLeavesNoFile_data()
{
    QTest::addColumn<bool>("escape"); // else Cancel
    QTest::newRow("Escape") << true;
    QTest::newRow("Cancel") << false;
}

void TestFileDialog::leavingLeavesNoFile()
{
    QFETCH(bool, escape);
    FileDialog dialog;
    child<QLineEdit>(dialog, "txt_FileName")->setText(writeFile("left.wav"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ModalAnswerer answerer;
    if (escape)
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        child<QPushButton>(dialog, "btn_Cancel")->click();
    QVERIFY(!dialog.isVisible());
    QVERIFY(answerer.seen.isEmpty());
    QCOMPARE(dialog.fileName(), QString());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestFileDialog::browseChoosesFile()
{
    const QString file = writeFile("browsed.ogg");
    FileDialog dialog(withDesktopChoosers(Services()));
    dialog.show();
    ModalAnswerer answerer;
    answerer.enqueue([&file](QWidget *modal) {
        // Typed like a user would: selectFile() leaves a focused name field alone.
        child<QLineEdit>(*modal, "fileNameEdit")->setText(file);
        static_cast<QDialog *>(modal)->accept(); // protected in QFileDialog
    });
    child<QPushButton>(dialog, "btn_Browse")->click();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].className, "QFileDialog");
    QCOMPARE(child<QLineEdit>(dialog, "txt_FileName")->text(), file);
    // The field still has to pass the check when the dialog closes.
    dialog.close();
    QCOMPARE(dialog.fileName(), file);
}

void TestFileDialog::browseCancelledEmptiesField()
{
    FileDialog dialog(withDesktopChoosers(Services()));
    auto *field = child<QLineEdit>(dialog, "txt_FileName");
    field->setText(writeFile("before.wav"));
    dialog.show();
    ModalAnswerer answerer;
    answerer.enqueue(ModalAnswerer::pressEscape());
    child<QPushButton>(dialog, "btn_Browse")->click();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].className, "QFileDialog");
    QCOMPARE(field->text(), QString());
    dialog.hide();
}

QTEST_MAIN(TestFileDialog)
#include "tst_filedialog.moc"
