// The program in the user's language: the real program under LANGUAGE, LANG
// and LC_ALL, with an encoder that never ends so that closing the window asks
// its question.
#include "fakeencoderinstall.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestUiLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void program_data();
    void program();

private:
    QTemporaryDir m_tools;
};

void TestUiLanguage::initTestCase()
{
    QVERIFY(!fakeencoder::install(m_tools.path(), "hang\n").isEmpty());
}

void TestUiLanguage::program_data()
{
    QTest::addColumn<QString>("language"); // LANGUAGE
    QTest::addColumn<QString>("lang");     // LANG (and LC_ALL when "C")
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("sourceLabel");
    QTest::addColumn<QStringList>("buttons");

    const QString english = "Converting FLAC to MP3";
    QTest::newRow("de") << "de"
                        << "de_DE.UTF-8"
                        << "FLAC wird in MP3 umgewandelt"
                        << "Quelle:" << QStringList{"&Ja", "&Nein"};
    QTest::newRow("de_AT") << "de_AT"
                           << "C.UTF-8"
                           << "FLAC wird in MP3 umgewandelt"
                           << "Quelle:" << QStringList{"&Ja", "&Nein"};
    QTest::newRow("unknown") << "xx_YY"
                             << "C.UTF-8" << english << "Source:" << QStringList{"&No", "&Yes"};
    QTest::newRow("C") << ""
                       << "C" << english << "Source:" << QStringList{"&No", "&Yes"};
}

void TestUiLanguage::program()
{
    QFETCH(QString, language);
    QFETCH(QString, lang);
    QFETCH(QString, title);
    QFETCH(QString, sourceLabel);
    QFETCH(QStringList, buttons);

    QTemporaryDir work;
    QVERIFY(QFile::copy(TW_TEST_SOURCE_DIR "/samples/sample.flac", work.filePath("song.flac")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LANG", "LC_ALL", "LC_MESSAGES"})
        environment.remove(name);
    if (!language.isEmpty())
        environment.insert("LANGUAGE", language);
    environment.insert("LANG", lang);
    if (lang == "C")
        environment.insert("LC_ALL", lang);
    environment.insert("PATH", m_tools.path() + ":" + environment.value("PATH"));
    environment.insert("TW_TEST_SHOW_TEXTS", "1");

    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(TW_TEST_PROGRAM, {"mp3", work.filePath("song.flac")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);

    QMultiMap<QString, QString> seen;
    for (const QByteArray &line : program.readAllStandardOutput().split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            seen.insert(QString::fromUtf8(line.left(tab)), QString::fromUtf8(line.mid(tab + 1)));
    }
    QCOMPARE(seen.value("window-title"), title);
    QVERIFY2(seen.values("label").contains(sourceLabel),
             qPrintable(seen.values("label").join('|')));
    QStringList shown = seen.values("box-button");
    shown.sort();
    QCOMPARE(shown, buttons);
}

QTEST_GUILESS_MAIN(TestUiLanguage)
#include "tst_uilanguage.moc"
