#include "desktopchoosers.h"
#include "dialogtesting.h"
#include "modalanswerer.h"
#include "reportsink.h"
#include "settings.h"
#include "soundmillgui.h"
#include "testservices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

class TestSoundmillGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void storedValueShown_data();
    void storedValueShown();
    void replayGainChoice_data();
    void replayGainChoice();
    void sliderDragStoresWholeSteps_data();
    void sliderDragStoresWholeSteps();
    void defaultButton();
    void consentClicks();
    void targetButtons();
    void browseStoresChosenDirectory();
    void browseCancelledMeansSame();
    void conversionHelp();
    void closeButtonEndsExec();
    void everyConstructionPostsUsage();

private:
    Services m_services;
    DirectoryAnswers m_directories;
    static bool stored(const char *key);
    static QString storedText(const char *key);
    static void store(const char *key, const QString &value);

    QTemporaryDir m_dir;
};

namespace {
using dialogtesting::child;

QSettings storeObject()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tonewright");
}

QString checkedTarget(QWidget &dialog)
{
    QStringList checked;
    for (const char *name : {"btn_TSame", "btn_TA", "btn_TB"}) {
        if (child<QPushButton>(dialog, name)->isChecked())
            checked << name;
    }
    return checked.join(',');
}

void dragSlider(QSlider *slider, int position)
{
    slider->setSliderDown(true);
    slider->setSliderPosition(position);
    slider->setSliderDown(false);
}

QString plainText(const QString &richText)
{
    QTextDocument document;
    document.setHtml(richText);
    return document.toPlainText();
}
} // namespace

bool TestSoundmillGui::stored(const char *key)
{
    return storeObject().contains(key);
}
QString TestSoundmillGui::storedText(const char *key)
{
    return readSetting(key);
}
void TestSoundmillGui::store(const char *key, const QString &value)
{
    writeSetting(key, value);
}

void TestSoundmillGui::initTestCase()
{
    // Run by hand, the suite must not touch the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    m_services = testServices();
    m_services.chooseDirectory = m_directories.chooser();
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QVERIFY(m_dir.isValid());
}

void TestSoundmillGui::init()
{
    storeObject().clear();
    m_directories = {};
}

void TestSoundmillGui::cleanup()
{
    QCOMPARE(dialogtesting::leftoverWindows(), QStringList());
}

void TestSoundmillGui::storedValueShown_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("storedValue"); // "<none>": the key is missing
    QTest::addColumn<QString>("shown");

    // The settings' own rules read each value (tests/settings); here, that
    // the dialog shows what they read and writes nothing back.
    const char *bitrate = settings::BitrateKey;
    const char *consent = settings::SendStatKey;
    const char *target = settings::TargetDirKey;
    const struct
    {
        const char *tag, *key;
        QString storedValue, shown;
    } rows[] = {
        {"bitrate missing", bitrate, "<none>", "128 kbps"},
        {"bitrate 96", bitrate, "96", "96 kbps"},
        {"bitrate not a step", bitrate, "100", "128 kbps"},
        {"consent missing", consent, "<none>", "checked"},
        {"consent true", consent, "true", "checked"},
        {"consent false", consent, "false", "unchecked"},
        {"target missing (first run)", target, "<none>", "btn_TSame"},
        {"target same", target, "same", "btn_TSame"},
        {"target ask", target, "ask", "btn_TA"},
        {"target directory", target, m_dir.path(), "btn_TB"},
        {"target deleted directory", target, m_dir.filePath("deleted"), "btn_TSame"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << QString(row.key) << row.storedValue << row.shown;
}

void TestSoundmillGui::storedValueShown()
{
    QFETCH(QString, key);
    QFETCH(QString, storedValue);
    QFETCH(QString, shown);
    const QByteArray name = key.toLatin1();
    if (storedValue != "<none>")
        store(name.constData(), storedValue);

    SoundmillGui dialog(m_services);
    const int bitrate = child<QSlider>(dialog, "sli_Bitrate")->value();
    QCOMPARE(child<QLabel>(dialog, "lbl_Kbps")->text(), QString("%1 kbps").arg(bitrate));
    if (key == settings::BitrateKey)
        QCOMPARE(QString("%1 kbps").arg(bitrate), shown);
    else if (key == settings::SendStatKey)
        QCOMPARE(
            QString(child<QCheckBox>(dialog, "cb_SendStat")->isChecked() ? "checked" : "unchecked"),
            shown);
    else
        QCOMPARE(checkedTarget(dialog), shown);
    // What was stored stays as it was, valid or not.
    QCOMPARE(stored(name.constData()), storedValue != "<none>");
    if (storedValue != "<none>")
        QCOMPARE(storedText(name.constData()), storedValue);
}

void TestSoundmillGui::replayGainChoice_data()
{
    QTest::addColumn<QString>("storedValue"); // "<none>": the key is missing
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("written");

    QTest::newRow("missing, then off") << "<none>" << 0 << 2 << "off";
    QTest::newRow("track, then album") << "track" << 1 << 0 << "album";
    QTest::newRow("unreadable, then track") << "loud" << 0 << 1 << "track";
}

void TestSoundmillGui::replayGainChoice()
{
    QFETCH(QString, storedValue);
    QFETCH(int, shown);
    QFETCH(int, chosen);
    QFETCH(QString, written);
    if (storedValue != "<none>")
        store(settings::ReplayGainKey, storedValue);

    SoundmillGui dialog(m_services);
    auto *box = child<QComboBox>(dialog, "cb_ReplayGain");
    QCOMPARE(box->itemText(0), QString("Album and track"));
    QCOMPARE(box->currentIndex(), shown);
    // Showing writes nothing; choosing writes at once.
    QCOMPARE(stored(settings::ReplayGainKey), storedValue != "<none>");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < chosen; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(storedText(settings::ReplayGainKey), written);
    dialog.close();
}

void TestSoundmillGui::sliderDragStoresWholeSteps_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("result");

    QTest::newRow("160 stays") << 160 << 160;
    QTest::newRow("170 down") << 170 << 160;
    QTest::newRow("176 up (remainder 16)") << 176 << 192;
    QTest::newRow("175 down (remainder 15)") << 175 << 160;
    QTest::newRow("143 down to 128") << 143 << 128;
    QTest::newRow("144 up") << 144 << 160;
    QTest::newRow("lowest") << 32 << 32;
    QTest::newRow("40 down to lowest") << 40 << 32;
    QTest::newRow("highest") << 320 << 320;
    QTest::newRow("310 up to highest") << 310 << 320;
}

void TestSoundmillGui::sliderDragStoresWholeSteps()
{
    QFETCH(int, position);
    QFETCH(int, result);

    SoundmillGui dialog(m_services);
    auto *slider = child<QSlider>(dialog, "sli_Bitrate");
    dragSlider(slider, position);
    QCOMPARE(slider->value(), result);
    QCOMPARE(child<QLabel>(dialog, "lbl_Kbps")->text(), QString("%1 kbps").arg(result));
    QCOMPARE(storedText(settings::BitrateKey), QString::number(result));

    // Keyboard and programmatic changes take the value path alike.
    storeObject().clear();
    slider->setValue(position == 170 ? 250 : 170);
    QCOMPARE(storedText(settings::BitrateKey), position == 170 ? QString("256") : QString("160"));
}

void TestSoundmillGui::defaultButton()
{
    SoundmillGui dialog(m_services);
    auto *defaultButton = child<QPushButton>(dialog, "btn_Def");
    defaultButton->click();
    QVERIFY(!stored(settings::BitrateKey));

    dragSlider(child<QSlider>(dialog, "sli_Bitrate"), 256);
    QCOMPARE(storedText(settings::BitrateKey), QString("256"));
    defaultButton->click();
    QCOMPARE(child<QSlider>(dialog, "sli_Bitrate")->value(), 128);
    QCOMPARE(child<QLabel>(dialog, "lbl_Kbps")->text(), QString("128 kbps"));
    QCOMPARE(storedText(settings::BitrateKey), QString("128"));
}

void TestSoundmillGui::consentClicks()
{
    SoundmillGui dialog(m_services);
    dialog.show();
    auto *consent = child<QCheckBox>(dialog, "cb_SendStat");
    QVERIFY(consent->isChecked());
    QVERIFY(!stored(settings::SendStatKey));
    consent->click();
    QCOMPARE(storedText(settings::SendStatKey), QString("false"));
    consent->click();
    QCOMPARE(storedText(settings::SendStatKey), QString("true"));
    dialog.hide();
}

void TestSoundmillGui::targetButtons()
{
    SoundmillGui dialog(m_services);
    dialog.show();
    child<QPushButton>(dialog, "btn_TA")->click();
    QCOMPARE(checkedTarget(dialog), QString("btn_TA"));
    QCOMPARE(storedText(settings::TargetDirKey), QString("ask"));
    // Clicking the checked button keeps it checked.
    child<QPushButton>(dialog, "btn_TA")->click();
    QCOMPARE(checkedTarget(dialog), QString("btn_TA"));
    child<QPushButton>(dialog, "btn_TSame")->click();
    QCOMPARE(checkedTarget(dialog), QString("btn_TSame"));
    QCOMPARE(storedText(settings::TargetDirKey), QString("same"));
    child<QPushButton>(dialog, "btn_TSame")->click();
    QCOMPARE(checkedTarget(dialog), QString("btn_TSame"));
    dialog.hide();
}

void TestSoundmillGui::browseStoresChosenDirectory()
{
    const QString directory = m_dir.filePath("target folder");
    QVERIFY(QDir().mkpath(directory));
    // The one test that drives the real directory chooser.
    Services services = m_services;
    services.chooseDirectory = withDesktopChoosers(Services()).chooseDirectory;
    SoundmillGui dialog(services);
    dialog.show();
    bool dirsOnly = false;
    QString checkedWhileAsking;
    ModalAnswerer answerer;
    answerer.enqueue([&](QWidget *modal) {
        auto *chooser = qobject_cast<QFileDialog *>(modal);
        dirsOnly = chooser && chooser->testOption(QFileDialog::ShowDirsOnly);
        checkedWhileAsking = checkedTarget(dialog);
        ModalAnswerer::chooseDirectory(directory)(modal);
    });
    child<QPushButton>(dialog, "btn_TB")->click();
    QTRY_COMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].className, "QFileDialog");
    QCOMPARE(answerer.seen[0].parent, &dialog);
    QTRY_VERIFY(dirsOnly);
    QCOMPARE(checkedWhileAsking, QString("btn_TB"));
    QCOMPARE(checkedTarget(dialog), QString("btn_TB"));
    QTRY_COMPARE(QFileInfo(storedText(settings::TargetDirKey)).canonicalFilePath(),
                 QFileInfo(directory).canonicalFilePath());
    dialog.hide();

    // The next dialog shows the stored directory.
    SoundmillGui again(m_services);
    QCOMPARE(checkedTarget(again), QString("btn_TB"));
}

void TestSoundmillGui::browseCancelledMeansSame()
{
    store(settings::TargetDirKey, "ask");
    SoundmillGui dialog(m_services);
    dialog.show();
    m_directories.queue << QString();
    child<QPushButton>(dialog, "btn_TB")->click();
    QCOMPARE(m_directories.askedOver, QList<QWidget *>{&dialog});
    QCOMPARE(checkedTarget(dialog), QString("btn_TSame"));
    QCOMPARE(storedText(settings::TargetDirKey), QString("same"));
    dialog.hide();
}

void TestSoundmillGui::conversionHelp()
{
    SoundmillGui dialog(m_services);
    dialog.show();
    ModalAnswerer answerer;
    answerer.enqueue(ModalAnswerer::click("OK"));
    emit child<QLabel>(dialog, "link_Settings")->linkActivated("#help");
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, QString("Conversion help"));
    QCOMPARE(answerer.seen[0].text,
             QString("Just go to Explorer or your desktop, select your audio/video file and "
                     "right click on it.\n"
                     "Select Convert to *file type* to convert the file to *file type*.\n"
                     "If you want to increase the volume select advanced conversion."));
    QCOMPARE(answerer.seen[0].buttons, QStringList({"OK"}));
    QVERIFY(dialog.isVisible());
    dialog.hide();
}

void TestSoundmillGui::closeButtonEndsExec()
{
    SoundmillGui dialog(m_services);
    ModalAnswerer answerer;
    answerer.enqueue([&dialog](QWidget *) { child<QPushButton>(dialog, "pushButton_5")->click(); });
    dialog.exec();
    QCOMPARE(answerer.unanswered(), 0);
    QVERIFY(!dialog.isVisible());
    // Closing writes nothing.
    QVERIFY(storeObject().allKeys().isEmpty());
}

void TestSoundmillGui::everyConstructionPostsUsage()
{
    struct : ReportSink
    {
        QStringList usage;
        void sendUsage(const QString &appId, const QString &partId) override
        {
            usage << appId + '/' + partId;
        }
        void sendBugReport(const QString &, const QString &) override {}
    } reports;
    store(settings::SendStatKey, "false"); // the usage post does not depend on consent
    SoundmillGui first(m_services, &reports);
    SoundmillGui second(m_services, &reports);
    QCOMPARE(reports.usage, QStringList({"tonewright/gui", "tonewright/gui"}));
}

QTEST_MAIN(TestSoundmillGui)
#include "tst_soundmillgui.moc"
