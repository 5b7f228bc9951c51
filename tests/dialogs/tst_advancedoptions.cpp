#include "advancedoptions.h"
#include "dialogtesting.h"
#include "modalanswerer.h"
#include "testservices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

class TestAdvancedOptions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void form();
    void bandsArePainted();
    void tabOrder();
    void yearBoxFollowsCheckBox();
    void collection_data();
    void collection();
    void closeButtonCollectsLikeConvert();
    void everyCloseAppends();
    void escapeBypassesCollection();
    void convertEndsExec();
    void cancelRejects();
    void settingsButtonOpensSettings();
    void severalFiles();

private:
};

namespace {
using dialogtesting::child;
} // namespace

void TestAdvancedOptions::cleanup()
{
    QCOMPARE(dialogtesting::leftoverWindows(), QStringList());
}

void TestAdvancedOptions::form()
{
    AdvancedOptions dialog(testServices());
    QCOMPARE(dialog.minimumSize(), QSize(492, 373));
    QCOMPARE(dialog.maximumSize(), QSize(492, 373));
    QCOMPARE(dialog.windowTitle(), QString("Advanced Conversion Options"));
    QVERIFY(!dialog.windowIcon().isNull());
    QCOMPARE(dialog.format(), QString());
    QCOMPARE(dialog.extraArguments(), QStringList());

    QCOMPARE(child<QWidget>(dialog, "wi_Top")->maximumHeight(), 145);
    QCOMPARE(child<QWidget>(dialog, "wi_Top")->minimumHeight(), 145);
    QCOMPARE(child<QWidget>(dialog, "wi_Bottom")->maximumHeight(), 35);
    auto *topLayout = qobject_cast<QHBoxLayout *>(child<QWidget>(dialog, "wi_Top")->layout());
    QVERIFY(topLayout);
    QCOMPARE(topLayout->spacing(), 20);
    QCOMPARE(topLayout->contentsMargins(), QMargins(23, 5, 23, 5));
    QCOMPARE(child<QWidget>(dialog, "wi_Bottom")->layout()->contentsMargins(),
             QMargins(23, 0, 23, 0));
    const QMargins centre = child<QWidget>(dialog, "wi_Center")->layout()->contentsMargins();
    QCOMPARE(centre.left(), 23);
    QCOMPARE(centre.right(), 23);

    auto *logo = child<QLabel>(dialog, "lbl_Logo");
    QCOMPARE(logo->minimumSize(), QSize(135, 135));
    QCOMPARE(logo->maximumSize(), QSize(135, 135));
    QVERIFY(logo->hasScaledContents());
    QVERIFY(!logo->pixmap().isNull());
    QCOMPARE(child<QLabel>(dialog, "lbl_Header")->text(), QString("Tonewright"));
    QCOMPARE(child<QLabel>(dialog, "lbl_Title")->text(), QString("Advanced options"));

    const QList<QPair<const char *, const char *>> labels = {
        {"lbl_Format_Pre", "Convert to:"}, {"lbl_Volume_Pre", "Volume:"},
        {"cb_Volume_Post", "%"},           {"lbl_Title_Pre", "Title:"},
        {"lbl_Artist_Pre", "Artist:"},     {"lbl_Album_Pre", "Album:"},
        {"lbl_Year_Pre", "Year:"}};
    for (const auto &[name, text] : labels)
        QCOMPARE(child<QLabel>(dialog, name)->text(), QString(text));

    auto items = [](QComboBox *box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    };
    auto *format = child<QComboBox>(dialog, "cb_Format");
    QCOMPARE(items(format),
             QStringList({"MP3", "M4A", "WMA", "FLAC", "WAV", "AAC", "OGG", "MKA", "OPUS"}));
    QCOMPARE(format->currentIndex(), 0);
    QCOMPARE(format->minimumHeight(), 22);
    auto *volume = child<QComboBox>(dialog, "cb_Volume");
    QCOMPARE(items(volume), QStringList({"25", "50", "75", "100", "125", "150", "175", "200", "250",
                                         "300", "350", "400"}));
    QCOMPARE(volume->currentIndex(), 3);
    // The command line accepts exactly the volumes offered here.
    QStringList accepted;
    for (int percent : encoderoptions::volumes())
        accepted << QString::number(percent);
    QCOMPARE(items(volume), accepted);

    for (const char *name : {"txt_Title", "txt_Artist", "txt_Album"}) {
        QCOMPARE(child<QLineEdit>(dialog, name)->placeholderText(), QString("(not set)"));
        QCOMPARE(child<QLineEdit>(dialog, name)->text(), QString());
    }
    auto *yearBox = child<QCheckBox>(dialog, "cb_Year");
    QCOMPARE(yearBox->text(), QString());
    QVERIFY(!yearBox->isChecked());
    auto *year = child<QSpinBox>(dialog, "num_Year");
    QVERIFY(!year->isEnabled());
    QCOMPARE(year->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(year->minimum(), 1000);
    QCOMPARE(year->maximum(), 9999);
    QCOMPARE(year->value(), 2012);

    QCOMPARE(child<QPushButton>(dialog, "btn_Cancel")->text(), QString("C&ancel"));
    QCOMPARE(child<QPushButton>(dialog, "btn_Settings")->text(), QString("&Conversion settings"));
    QCOMPARE(child<QPushButton>(dialog, "btn_Convert")->text(), QString("&Convert"));
}

void TestAdvancedOptions::bandsArePainted()
{
    AdvancedOptions dialog(testServices());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), QSize(492, 373));
    QWidget *top = child<QWidget>(dialog, "wi_Top");
    QCOMPARE(top->height(), 145);
    QVERIFY(dialogtesting::closeColour(dialogtesting::pixelAt(top, 2, 2), qRgb(12, 75, 118)));
    QVERIFY(dialogtesting::closeColour(dialogtesting::pixelAt(top, -2, 2), qRgb(19, 115, 114)));
    QCOMPARE(dialogtesting::pixelAt(child<QWidget>(dialog, "wi_Center"), 3, 3), QRgb(0xffffff));
    QCOMPARE(dialogtesting::pixelAt(child<QWidget>(dialog, "wi_Bottom"), 3, 3), QRgb(0xf0f0f0));
    QCOMPARE(child<QLabel>(dialog, "lbl_Header")->palette().color(QPalette::WindowText),
             QColor(Qt::white));
    QCOMPARE(child<QLabel>(dialog, "lbl_Header")->font().pixelSize(), 25);
    QVERIFY(child<QLabel>(dialog, "lbl_Header")->font().bold());
    QCOMPARE(child<QLabel>(dialog, "lbl_Title")->font().pixelSize(), 23);
    QCOMPARE(child<QLabel>(dialog, "lbl_Format_Pre")->font().pixelSize(), 18);
    QCOMPARE(child<QLabel>(dialog, "lbl_Title_Pre")->font().pixelSize(), 12);
}

void TestAdvancedOptions::tabOrder()
{
    AdvancedOptions dialog(testServices());
    const QStringList expected = {"cb_Format",  "cb_Volume",   "txt_Title",
                                  "txt_Artist", "txt_Album",   "cb_Year",
                                  "num_Year",   "btn_Convert", "btn_Cancel"};
    QCOMPARE(dialogtesting::tabChain(child<QWidget>(dialog, "cb_Format"), expected), expected);
}

void TestAdvancedOptions::yearBoxFollowsCheckBox()
{
    AdvancedOptions dialog(testServices());
    auto *yearBox = child<QCheckBox>(dialog, "cb_Year");
    auto *year = child<QSpinBox>(dialog, "num_Year");
    yearBox->setChecked(true);
    QVERIFY(year->isEnabled());
    yearBox->setChecked(false);
    QVERIFY(!year->isEnabled());
}

void TestAdvancedOptions::collection_data()
{
    QTest::addColumn<int>("formatIndex");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<int>("year"); // 0: box left unchecked
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("untouched") << 0 << ""
                               << ""
                               << "" << 0 << "100"
                               << "MP3" << QStringList();
    QTest::newRow("format FLAC") << 3 << ""
                                 << ""
                                 << "" << 0 << "100"
                                 << "FLAC" << QStringList();
    QTest::newRow("format MKA") << 7 << ""
                                << ""
                                << "" << 0 << "100"
                                << "MKA" << QStringList();
    QTest::newRow("every field") << 1 << "Intro"
                                 << "Live"
                                 << "Band" << 1999 << "150"
                                 << "M4A"
                                 << QStringList({"-metadata", "title=Intro", "-metadata",
                                                 "album=Live", "-metadata", "artist=Band",
                                                 "-metadata", "date=1999", "-filter:a",
                                                 "volume=1.5"});
    QTest::newRow("spaces are text") << 0 << "   "
                                     << ""
                                     << "" << 0 << "100"
                                     << "MP3" << QStringList({"-metadata", "title=   "});
    QTest::newRow("no trimming or quoting")
        << 0 << " A \"b\" "
        << "x=y"
        << "O'Neil & Co" << 0 << "100"
        << "MP3"
        << QStringList({"-metadata", "title= A \"b\" ", "-metadata", "album=x=y", "-metadata",
                        "artist=O'Neil & Co"});
    QTest::newRow("artist only") << 0 << ""
                                 << ""
                                 << "Band" << 0 << "100"
                                 << "MP3" << QStringList({"-metadata", "artist=Band"});
    QTest::newRow("year box default") << 0 << ""
                                      << ""
                                      << "" << 2012 << "100"
                                      << "MP3" << QStringList({"-metadata", "date=2012"});
    QTest::newRow("year lowest") << 0 << ""
                                 << ""
                                 << "" << 1000 << "100"
                                 << "MP3" << QStringList({"-metadata", "date=1000"});

    const QList<QPair<const char *, const char *>> volumes = {
        {"25", "0.25"}, {"50", "0.5"},   {"75", "0.75"}, {"125", "1.25"},
        {"150", "1.5"}, {"175", "1.75"}, {"200", "2"},   {"250", "2.5"},
        {"300", "3"},   {"350", "3.5"},  {"400", "4"}};
    for (const auto &[item, factor] : volumes)
        QTest::addRow("volume %s", item)
            << 0 << ""
            << ""
            << "" << 0 << item << "MP3" << QStringList({"-filter:a", QString("volume=") + factor});
}

void TestAdvancedOptions::collection()
{
    QFETCH(int, formatIndex);
    QFETCH(QString, title);
    QFETCH(QString, album);
    QFETCH(QString, artist);
    QFETCH(int, year);
    QFETCH(QString, volume);

    AdvancedOptions dialog(testServices());
    child<QComboBox>(dialog, "cb_Format")->setCurrentIndex(formatIndex);
    child<QLineEdit>(dialog, "txt_Title")->setText(title);
    child<QLineEdit>(dialog, "txt_Album")->setText(album);
    child<QLineEdit>(dialog, "txt_Artist")->setText(artist);
    if (year) {
        child<QCheckBox>(dialog, "cb_Year")->setChecked(true);
        // 2012 stands for "checked without touching the value".
        if (year != 2012)
            child<QSpinBox>(dialog, "num_Year")->setValue(year);
    }
    auto *volumeBox = child<QComboBox>(dialog, "cb_Volume");
    volumeBox->setCurrentIndex(volumeBox->findText(volume));
    QCOMPARE(volumeBox->currentText(), volume);

    dialog.show();
    QTest::mouseClick(child<QPushButton>(dialog, "btn_Convert"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QTEST(dialog.format(), "format");
    QTEST(dialog.extraArguments(), "arguments");
}

void TestAdvancedOptions::closeButtonCollectsLikeConvert()
{
    AdvancedOptions dialog(testServices());
    child<QLineEdit>(dialog, "txt_Title")->setText("Intro");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The title bar's close button arrives as a spontaneous close event
    // through the window.
    dialog.windowHandle()->close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.format(), QString("MP3"));
    QCOMPARE(dialog.extraArguments(), QStringList({"-metadata", "title=Intro"}));
}

void TestAdvancedOptions::everyCloseAppends()
{
    AdvancedOptions dialog(testServices());
    child<QLineEdit>(dialog, "txt_Title")->setText("Intro");
    dialog.show();
    dialog.close();
    child<QComboBox>(dialog, "cb_Format")->setCurrentIndex(2);
    dialog.show();
    dialog.close();
    QCOMPARE(dialog.format(), QString("WMA"));
    QCOMPARE(dialog.extraArguments(),
             QStringList({"-metadata", "title=Intro", "-metadata", "title=Intro"}));
}

void TestAdvancedOptions::escapeBypassesCollection()
{
    AdvancedOptions dialog(testServices());
    child<QLineEdit>(dialog, "txt_Title")->setText("Intro");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.format(), QString());
    QCOMPARE(dialog.extraArguments(), QStringList());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestAdvancedOptions::convertEndsExec()
{
    AdvancedOptions dialog(testServices());
    ModalAnswerer answerer;
    answerer.enqueue([&dialog](QWidget *) {
        child<QComboBox>(dialog, "cb_Format")->setCurrentIndex(6);
        child<QPushButton>(dialog, "btn_Convert")->click();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(answerer.unanswered(), 0);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(dialog.format(), QString("OGG"));
}

void TestAdvancedOptions::cancelRejects()
{
    AdvancedOptions dialog(testServices());
    child<QLineEdit>(dialog, "txt_Title")->setText("Intro");
    dialog.show();
    child<QPushButton>(dialog, "btn_Cancel")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    // Nothing is collected on the way out.
    QCOMPARE(dialog.format(), QString());
    QCOMPARE(dialog.extraArguments(), QStringList());
}

void TestAdvancedOptions::settingsButtonOpensSettings()
{
    AdvancedOptions dialog(testServices());
    dialog.show();
    ModalAnswerer answerer;
    answerer.enqueue(ModalAnswerer::closeIt());
    child<QPushButton>(dialog, "btn_Settings")->click();
    QCOMPARE(answerer.unanswered(), 0);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, "Tonewright Settings");
    // The options dialog stays open and has collected nothing.
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.format(), QString());
    dialog.hide();
}

void TestAdvancedOptions::severalFiles()
{
    AdvancedOptions one;
    one.setFileCount(1);
    QCOMPARE(one.windowTitle(), QString("Advanced Conversion Options"));
    QVERIFY(child<QLineEdit>(one, "txt_Title")->isEnabled());

    AdvancedOptions dialog;
    child<QLineEdit>(dialog, "txt_Title")->setText("Intro");
    dialog.setFileCount(40);
    QCOMPARE(dialog.windowTitle(), QString("Advanced Conversion Options (40 files)"));
    QCOMPARE(dialog.size(), QSize(492, 373));
    auto *title = child<QLineEdit>(dialog, "txt_Title");
    QVERIFY(!title->isEnabled());
    QCOMPARE(title->placeholderText(), QString("(each file keeps its own)"));

    child<QLineEdit>(dialog, "txt_Album")->setText("Live");
    auto *volume = child<QComboBox>(dialog, "cb_Volume");
    volume->setCurrentIndex(volume->findText("150"));
    dialog.show();
    child<QPushButton>(dialog, "btn_Convert")->click();
    // One title for every file is never wanted: none goes out.
    QCOMPARE(dialog.extraArguments(),
             QStringList({"-metadata", "album=Live", "-filter:a", "volume=1.5"}));
    EncoderOptions expected;
    expected.album = "Live";
    expected.volume = 150;
    QVERIFY(dialog.options() == expected);
}

QTEST_MAIN(TestAdvancedOptions)
#include "tst_advancedoptions.moc"
