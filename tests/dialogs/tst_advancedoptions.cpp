#include "advancedoptions.h"
#include "dialogtesting.h"
#include "modalanswerer.h"
#include "testservices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

class TestAdvancedOptions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void yearBoxFollowsCheckBox();
    void collection_data();
    void collection();
    void leaving_data();
    void leaving();
    void everyCloseAppends();
    void settingsButtonOpensSettings();
    void severalFiles();
};

namespace {
using dialogtesting::child;
} // namespace

void TestAdvancedOptions::cleanup()
{
    QCOMPARE(dialogtesting::leftoverWindows(), QStringList());
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

    const struct
    {
        const char *tag;
        int formatIndex;
        QString title, album, artist;
        int year;
        QString volume, format;
        QStringList arguments;
    } rows[] = {
        {"untouched", 0, "", "", "", 0, "100", "MP3", {}},
        {"format FLAC", 3, "", "", "", 0, "100", "FLAC", {}},
        {"format MKA", 7, "", "", "", 0, "100", "MKA", {}},
        {"every field",
         1,
         "Intro",
         "Live",
         "Band",
         1999,
         "150",
         "M4A",
         {"-metadata", "title=Intro", "-metadata", "album=Live", "-metadata", "artist=Band",
          "-metadata", "date=1999", "-filter:a", "volume=1.5"}},
        {"spaces are text", 0, "   ", "", "", 0, "100", "MP3", {"-metadata", "title=   "}},
        {"no trimming or quoting",
         0,
         " A \"b\" ",
         "x=y",
         "O'Neil & Co",
         0,
         "100",
         "MP3",
         {"-metadata", "title= A \"b\" ", "-metadata", "album=x=y", "-metadata",
          "artist=O'Neil & Co"}},
        {"artist only", 0, "", "", "Band", 0, "100", "MP3", {"-metadata", "artist=Band"}},
        {"year box default", 0, "", "", "", 2012, "100", "MP3", {"-metadata", "date=2012"}},
        {"year lowest", 0, "", "", "", 1000, "100", "MP3", {"-metadata", "date=1000"}},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.formatIndex << row.title << row.album << row.artist
                               << row.year << row.volume << row.format << row.arguments;
    const QList<QPair<const char *, const char *>> volumes = {
        {"25", "0.25"}, {"50", "0.5"},   {"75", "0.75"}, {"125", "1.25"},
        {"150", "1.5"}, {"175", "1.75"}, {"200", "2"},   {"250", "2.5"},
        {"300", "3"},   {"350", "3.5"},  {"400", "4"}};
    for (const auto &[item, factor] : volumes)
        QTest::addRow("volume %s", item)
            << 0 << QString() << QString() << QString() << 0 << item << "MP3"
            << QStringList({"-filter:a", QString("volume=") + factor});
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

void TestAdvancedOptions::leaving_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("collected");
    QTest::newRow("Convert") << "convert" << true;
    // The title bar's close button: a spontaneous close event through the window.
    QTest::newRow("the window's close button") << "window" << true;
    QTest::newRow("Escape") << "escape" << false;
    QTest::newRow("Cancel") << "cancel" << false;
}

void TestAdvancedOptions::leaving()
{
    QFETCH(QString, how);
    QFETCH(bool, collected);
    AdvancedOptions dialog(testServices());
    child<QLineEdit>(dialog, "txt_Title")->setText("Intro");
    child<QComboBox>(dialog, "cb_Format")->setCurrentIndex(6);
    ModalAnswerer answerer;
    answerer.enqueue([&](QWidget *) {
        if (how == "convert")
            child<QPushButton>(dialog, "btn_Convert")->click();
        else if (how == "window")
            dialog.windowHandle()->close();
        else if (how == "escape")
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            child<QPushButton>(dialog, "btn_Cancel")->click();
    });
    QCOMPARE(dialog.exec(), int(collected ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(answerer.unanswered(), 0);
    QVERIFY(!dialog.isVisible());
    // Only a close collects; Cancel and Escape leave nothing on the way out.
    QCOMPARE(dialog.format(), collected ? QString("OGG") : QString());
    QCOMPARE(dialog.extraArguments(),
             collected ? QStringList({"-metadata", "title=Intro"}) : QStringList());
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
