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
    const struct
    {
        const char *language, *title, *source, *yes, *no;
    } languages[] = {
        {"de", "FLAC wird in MP3 umgewandelt", "Quelle:", "&Ja", "&Nein"},
        {"fr", "Conversion de FLAC en MP3", "Source\u00a0:", "&Oui", "&Non"},
        {"es", "Convirtiendo FLAC a MP3", "Origen:", "&Sí", "&No"},
        {"it", "Conversione da FLAC a MP3", "Origine:", "&Sì", "&No"},
        {"pt_BR", "Convertendo FLAC para MP3", "Origem:", "&Sim", "&Não"},
        {"pl", "Konwersja z FLAC do MP3", "Źródło:", "&Tak", "&Nie"},
        {"ru", "Преобразование FLAC в MP3", "Источник:", "&Да", "&Нет"},
        {"zh_CN", "正在将 FLAC 转换为 MP3", "源文件：", "是(&Y)", "否(&N)"},
        {"ja", "FLAC を MP3 に変換中", "変換元:", "はい(&Y)", "いいえ(&N)"},
    };
    for (const auto &row : languages) {
        QStringList buttons{QString::fromUtf8(row.yes), QString::fromUtf8(row.no)};
        buttons.sort();
        QTest::newRow(row.language) << row.language << "C.UTF-8" << QString::fromUtf8(row.title)
                                    << QString::fromUtf8(row.source) << buttons;
    }
    // A regional variant reads its language; LANG alone is read too.
    QTest::newRow("de_AT") << "de_AT"
                           << "C.UTF-8"
                           << "FLAC wird in MP3 umgewandelt"
                           << "Quelle:" << QStringList{"&Ja", "&Nein"};
    QTest::newRow("LANG=pt_BR") << ""
                                << "pt_BR.UTF-8"
                                << "Convertendo FLAC para MP3"
                                << "Origem:" << QStringList{"&Não", "&Sim"};
    QTest::newRow("unknown") << "xx_YY"
                             << "C.UTF-8" << english << "Source:" << QStringList{"&No", "&Yes"};
    QTest::newRow("C") << ""
                       << "C" << english << "Source:" << QStringList{"&No", "&Yes"};
    // English first: the program's own texts, not the second language's.
    QTest::newRow("en_US:de") << "en_US:de"
                              << "C.UTF-8" << english << "Source:" << QStringList{"&No", "&Yes"};
    QTest::newRow("en:fr") << "en:fr"
                           << "C.UTF-8" << english << "Source:" << QStringList{"&No", "&Yes"};
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
