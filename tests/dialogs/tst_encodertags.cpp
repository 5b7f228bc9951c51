// Runs the installed encoder with the arguments the options dialog builds, to
// prove that the tag keys and the volume filter do what the user asked for in
// every common container.

#include "advancedoptions.h"
#include "e2etools.h"
#include "testservices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

class TestEncoderTags : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tagsAndVolume_data();
    void tagsAndVolume();

private:
    QStringList optionsArguments(const QString &volume);

    QTemporaryDir m_dir;
    QString m_input;
};

void TestEncoderTags::initTestCase()
{
    if (!e2e::haveTools())
        QSKIP("ffmpeg and ffprobe are not installed");
    QVERIFY(m_dir.isValid());
    m_input = m_dir.filePath("in.wav");
    QVERIFY(e2e::makeTone(m_input));
}

QStringList TestEncoderTags::optionsArguments(const QString &volume)
{
    AdvancedOptions dialog(testServices());
    dialog.findChild<QLineEdit *>("txt_Title")->setText("Night Drive");
    dialog.findChild<QLineEdit *>("txt_Artist")->setText("The Örnsköld Trio");
    dialog.findChild<QLineEdit *>("txt_Album")->setText("Live & Loud");
    dialog.findChild<QCheckBox *>("cb_Year")->setChecked(true);
    dialog.findChild<QSpinBox *>("num_Year")->setValue(1999);
    auto *volumeBox = dialog.findChild<QComboBox *>("cb_Volume");
    volumeBox->setCurrentIndex(volumeBox->findText(volume));
    dialog.show();
    dialog.close();
    return dialog.extraArguments();
}

void TestEncoderTags::tagsAndVolume_data()
{
    QTest::addColumn<QString>("extension");
    QTest::newRow("MP3") << "mp3";
    QTest::newRow("M4A") << "m4a";
    QTest::newRow("FLAC") << "flac";
    QTest::newRow("OGG") << "ogg";
}

void TestEncoderTags::tagsAndVolume()
{
    QFETCH(QString, extension);
    const QStringList louder = optionsArguments("200");
    const QStringList unchanged = optionsArguments("100");
    QVERIFY(louder.contains("volume=2"));
    QVERIFY(!unchanged.contains("-filter:a"));

    // The conversion's own command line, with the dialog's arguments inside.
    auto convert = [&](const QStringList &extra, const QString &name) {
        const QString target = m_dir.filePath(name + "." + extension);
        e2e::run("ffmpeg", QStringList({"-v", "error", "-i", m_input, "-y", "-b:a", "128k"}) +
                               extra + QStringList({"-vn", target}));
        return target;
    };
    const QString loud = convert(louder, "loud");
    const QString plain = convert(unchanged, "plain");
    QVERIFY(QFile::exists(loud));
    QVERIFY(QFile::exists(plain));

    const QMap<QString, QString> found = e2e::tags(loud);
    QCOMPARE(found.value("title"), QString("Night Drive"));
    QCOMPARE(found.value("artist"), QString("The Örnsköld Trio"));
    QCOMPARE(found.value("album"), QString("Live & Loud"));
    QVERIFY2(found.value("date").startsWith("1999"), qPrintable(found.value("date")));

    const double loudMean = e2e::meanVolume(loud);
    const double plainMean = e2e::meanVolume(plain);
    QVERIFY(plainMean < -10.0);
    // Twice the amplitude is 20·log10(2) ≈ 6.02 dB louder.
    QVERIFY2(qAbs(loudMean - plainMean - 6.02) < 0.5,
             qPrintable(QString("%1 dB vs %2 dB").arg(loudMean).arg(plainMean)));
}

QTEST_MAIN(TestEncoderTags)
#include "tst_encodertags.moc"
