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
#include <QFormLayout>
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

    void form();
    void bandsArePainted();
    void tabOrder();
    void storedBitrate_data();
    void storedBitrate();
    void storedConsent_data();
    void storedConsent();
    void replayGainChoice_data();
    void replayGainChoice();
    void storedTarget_data();
    void storedTarget();
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

void TestSoundmillGui::form()
{
    SoundmillGui dialog(m_services);
    QCOMPARE(dialog.minimumSize(), QSize(509, 334));
    QCOMPARE(dialog.maximumSize(), QSize(509, 334));
    QCOMPARE(dialog.windowTitle(), QString("Tonewright Settings"));
    QVERIFY(!dialog.windowIcon().isNull());
    QCOMPARE(child<QWidget>(dialog, "wi_Top")->maximumHeight(), 145);
    QCOMPARE(child<QWidget>(dialog, "wi_Top")->layout()->contentsMargins(), QMargins(23, 5, 23, 5));
    QCOMPARE(child<QWidget>(dialog, "wi_Bottom")->maximumHeight(), 35);
    QCOMPARE(child<QWidget>(dialog, "wi_Bottom")->layout()->spacing(), 6);
    QCOMPARE(child<QWidget>(dialog, "wi_Bottom")->layout()->contentsMargins(),
             QMargins(23, 0, 23, 0));
    QVERIFY(!child<QLabel>(dialog, "lbl_Logo")->pixmap().isNull());
    QCOMPARE(child<QLabel>(dialog, "lbl_Header")->text(), QString("Tonewright"));
    QCOMPARE(child<QLabel>(dialog, "lbl_Title")->text(), QString("Settings"));
    // The options dialog's format caption rule is not part of this sheet.
    QVERIFY(!dialog.styleSheet().contains("lbl_Format_Pre"));

    auto *form = child<QFormLayout>(dialog, "formLayout");
    QCOMPARE(form->spacing(), 6);
    QCOMPARE(form->contentsMargins(), QMargins(23, 9, 23, 9));
    QCOMPARE(form->fieldGrowthPolicy(), QFormLayout::AllNonFixedFieldsGrow);
    QCOMPARE(form->formAlignment(), Qt::AlignLeft | Qt::AlignVCenter);

    QCOMPARE(child<QLabel>(dialog, "lbl_Bitrate_Pre")->text(), QString("Bitrate:"));
    QCOMPARE(child<QLabel>(dialog, "lbl_Target_Pre")->text(), QString("Target directory:"));
    QCOMPARE(child<QLabel>(dialog, "lbl_SendStat")->text(), QString("Send anonymus bug reports:"));
    QCOMPARE(child<QLabel>(dialog, "lbl_SendStat")->minimumHeight(), 24);
    QCOMPARE(child<QCheckBox>(dialog, "cb_SendStat")->text(),
             QString("&helps making Tonewright better"));
    QCOMPARE(child<QCheckBox>(dialog, "cb_SendStat")->minimumHeight(), 24);

    auto *slider = child<QSlider>(dialog, "sli_Bitrate");
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->minimum(), 32);
    QCOMPARE(slider->maximum(), 320);
    QCOMPARE(slider->singleStep(), 32);
    QCOMPARE(slider->pageStep(), 32);
    QCOMPARE(slider->value(), 128);
    QVERIFY(!slider->hasTracking());
    QCOMPARE(child<QLabel>(dialog, "lbl_Kbps")->text(), QString("128 kbps"));
    QCOMPARE(child<QPushButton>(dialog, "btn_Def")->text(), QString("&Default"));

    const QList<QPair<const char *, const char *>> targets = {{"btn_TSame", "&Same as the input"},
                                                              {"btn_TA", "&Ask before conversion"},
                                                              {"btn_TB", "&Browse..."}};
    for (const auto &[name, text] : targets) {
        QCOMPARE(child<QPushButton>(dialog, name)->text(), QString(text));
        QVERIFY(child<QPushButton>(dialog, name)->isCheckable());
        QVERIFY(!child<QPushButton>(dialog, name)->autoExclusive());
    }

    auto *help = child<QLabel>(dialog, "link_Settings");
    auto *about = child<QLabel>(dialog, "link_About");
    QCOMPARE(plainText(help->text()), QString("Conversion help"));
    QCOMPARE(plainText(about->text()), QString("About"));
    QCOMPARE(help->text().count("<a "), 1);
    QCOMPARE(about->text().count("<a "), 1);
    QVERIFY(!help->openExternalLinks());
    QVERIFY(!about->openExternalLinks());
    QCOMPARE(child<QPushButton>(dialog, "pushButton_5")->text(), QString("&Close"));
}

void TestSoundmillGui::bandsArePainted()
{
    SoundmillGui dialog(m_services);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), QSize(509, 334));
    QVERIFY(dialogtesting::closeColour(
        dialogtesting::pixelAt(child<QWidget>(dialog, "wi_Top"), 2, 2), qRgb(12, 75, 118)));
    QCOMPARE(dialogtesting::pixelAt(child<QWidget>(dialog, "wi_Center"), 3, 3), QRgb(0xffffff));
    QCOMPARE(dialogtesting::pixelAt(child<QWidget>(dialog, "wi_Bottom"), 3, 3), QRgb(0xf0f0f0));
    QCOMPARE(child<QLabel>(dialog, "lbl_Bitrate_Pre")->font().pixelSize(), 12);
}

void TestSoundmillGui::tabOrder()
{
    SoundmillGui dialog(m_services);
    const QStringList expected = {"sli_Bitrate", "btn_Def",       "btn_TSame",   "btn_TA",
                                  "btn_TB",      "cb_ReplayGain", "cb_SendStat", "pushButton_5"};
    QCOMPARE(dialogtesting::tabChain(child<QWidget>(dialog, "sli_Bitrate"), expected), expected);
}

void TestSoundmillGui::storedBitrate_data()
{
    QTest::addColumn<QString>("storedValue"); // "<none>": the key is missing
    QTest::addColumn<int>("shown");

    QTest::newRow("missing") << "<none>" << 128;
    QTest::newRow("empty") << "" << 128;
    QTest::newRow("96") << "96" << 96;
    QTest::newRow("lowest") << "32" << 32;
    QTest::newRow("highest") << "320" << 320;
    QTest::newRow("not a step") << "100" << 128;
    QTest::newRow("below range") << "16" << 128;
    QTest::newRow("above range") << "352" << 128;
    QTest::newRow("text") << "abc" << 128;
}

void TestSoundmillGui::storedBitrate()
{
    QFETCH(QString, storedValue);
    QFETCH(int, shown);
    if (storedValue != "<none>")
        store(settings::BitrateKey, storedValue);

    SoundmillGui dialog(m_services);
    QCOMPARE(child<QSlider>(dialog, "sli_Bitrate")->value(), shown);
    QCOMPARE(child<QLabel>(dialog, "lbl_Kbps")->text(), QString("%1 kbps").arg(shown));
    // What was stored stays as it was: a valid value is written back
    // unchanged, an invalid one is not touched.
    QCOMPARE(stored(settings::BitrateKey), storedValue != "<none>");
    if (storedValue != "<none>")
        QCOMPARE(storedText(settings::BitrateKey), storedValue);
}

void TestSoundmillGui::storedConsent_data()
{
    QTest::addColumn<QString>("storedValue");
    QTest::addColumn<bool>("checked");

    QTest::newRow("missing") << "<none>" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("true") << "true" << true;
    QTest::newRow("false") << "false" << false;
    QTest::newRow("other case") << "False" << true;
}

void TestSoundmillGui::storedConsent()
{
    QFETCH(QString, storedValue);
    QFETCH(bool, checked);
    if (storedValue != "<none>")
        store(settings::SendStatKey, storedValue);

    SoundmillGui dialog(m_services);
    QCOMPARE(child<QCheckBox>(dialog, "cb_SendStat")->isChecked(), checked);
    QCOMPARE(stored(settings::SendStatKey), storedValue != "<none>");
    if (storedValue != "<none>")
        QCOMPARE(storedText(settings::SendStatKey), storedValue);
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

void TestSoundmillGui::storedTarget_data()
{
    QTest::addColumn<QString>("storedValue");
    QTest::addColumn<QString>("checked");

    const QString deleted = m_dir.filePath("deleted");
    QTest::newRow("missing (first run)") << "<none>"
                                         << "btn_TSame";
    QTest::newRow("empty") << ""
                           << "btn_TSame";
    QTest::newRow("same") << "same"
                          << "btn_TSame";
    QTest::newRow("ask") << "ask"
                         << "btn_TA";
    QTest::newRow("Ask") << "Ask"
                         << "btn_TSame";
    QTest::newRow("directory") << m_dir.path() << "btn_TB";
    QTest::newRow("deleted directory") << deleted << "btn_TSame";
    QTest::newRow("a file") << QString(TW_TEST_SOURCE_DIR "/CMakeLists.txt") << "btn_TSame";
}

void TestSoundmillGui::storedTarget()
{
    QFETCH(QString, storedValue);
    QFETCH(QString, checked);
    if (storedValue != "<none>")
        store(settings::TargetDirKey, storedValue);

    SoundmillGui dialog(m_services);
    QCOMPARE(checkedTarget(dialog), checked);
    QCOMPARE(stored(settings::TargetDirKey), storedValue != "<none>");
    if (storedValue != "<none>")
        QCOMPARE(storedText(settings::TargetDirKey), storedValue);
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
