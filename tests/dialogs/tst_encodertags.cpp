// Runs the installed encoder with the arguments the options dialog builds, to
// prove that the tag keys and the volume filter do what the user asked for in
// every common container.

#include "advancedoptions.h"
#include "testservices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
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
    QString run(const QString &program, const QStringList &arguments, bool wantStdErr = false);
    QStringList optionsArguments(const QString &volume);
    double meanVolume(const QString &file);
    QMap<QString, QString> tags(const QString &file);

    QTemporaryDir m_dir;
    QString m_ffmpeg;
    QString m_ffprobe;
    QString m_input;
};

void TestEncoderTags::initTestCase()
{
    m_ffmpeg = QStandardPaths::findExecutable("ffmpeg");
    m_ffprobe = QStandardPaths::findExecutable("ffprobe");
    if (m_ffmpeg.isEmpty() || m_ffprobe.isEmpty())
        QSKIP("ffmpeg and ffprobe are not installed");
    QVERIFY(m_dir.isValid());
    // A quiet tone (about -21 dB mean), so that doubling it cannot clip.
    m_input = m_dir.filePath("in.wav");
    run(m_ffmpeg, {"-v", "error", "-f", "lavfi", "-i",
                   "sine=frequency=440:duration=2:sample_rate=44100", "-ac", "2", "-y", m_input});
    QVERIFY(QFile::exists(m_input));
}

QString TestEncoderTags::run(const QString &program, const QStringList &arguments, bool wantStdErr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning() << program << arguments << process.readAllStandardError();
        return QString();
    }
    return QString::fromUtf8(wantStdErr ? process.readAllStandardError()
                                        : process.readAllStandardOutput());
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

double TestEncoderTags::meanVolume(const QString &file)
{
    const QString report =
        run(m_ffmpeg, {"-hide_banner", "-i", file, "-af", "volumedetect", "-f", "null", "-"}, true);
    const QRegularExpressionMatch match =
        QRegularExpression("mean_volume: (-?[0-9.]+) dB").match(report);
    if (!match.hasMatch())
        return 0.0;
    return match.captured(1).toDouble();
}

QMap<QString, QString> TestEncoderTags::tags(const QString &file)
{
    // Containers keep tags on the file or on the stream; the keys' case varies.
    const QString json = run(m_ffprobe, {"-v", "error", "-show_entries", "format_tags:stream_tags",
                                         "-of", "json", file});
    const QJsonObject root = QJsonDocument::fromJson(json.toUtf8()).object();
    QList<QJsonObject> tagObjects = {root.value("format").toObject().value("tags").toObject()};
    for (const QJsonValue &stream : root.value("streams").toArray())
        tagObjects << stream.toObject().value("tags").toObject();
    QMap<QString, QString> found;
    for (const QJsonObject &object : tagObjects) {
        for (auto it = object.begin(); it != object.end(); ++it)
            found.insert(it.key().toLower(), it.value().toString());
    }
    return found;
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
        run(m_ffmpeg, QStringList({"-v", "error", "-i", m_input, "-y", "-b:a", "128k"}) + extra +
                          QStringList({"-vn", target}));
        return target;
    };
    const QString loud = convert(louder, "loud");
    const QString plain = convert(unchanged, "plain");
    QVERIFY(QFile::exists(loud));
    QVERIFY(QFile::exists(plain));

    const QMap<QString, QString> found = tags(loud);
    QCOMPARE(found.value("title"), QString("Night Drive"));
    QCOMPARE(found.value("artist"), QString("The Örnsköld Trio"));
    QCOMPARE(found.value("album"), QString("Live & Loud"));
    QVERIFY2(found.value("date").startsWith("1999"), qPrintable(found.value("date")));

    const double loudMean = meanVolume(loud);
    const double plainMean = meanVolume(plain);
    QVERIFY(plainMean < -10.0);
    // Twice the amplitude is 20·log10(2) ≈ 6.02 dB louder.
    QVERIFY2(qAbs(loudMean - plainMean - 6.02) < 0.5,
             qPrintable(QString("%1 dB vs %2 dB").arg(loudMean).arg(plainMean)));
}

QTEST_MAIN(TestEncoderTags)
#include "tst_encodertags.moc"
