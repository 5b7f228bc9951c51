#include "fontconfiguration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fontconfig/fontconfig.h>

// fontconfig's configuration loaded the quick way is the one it would load
// itself; a configuration it would have to patch up is left to it.
class TestFontConfiguration : public QObject
{
    Q_OBJECT
private slots:
    void sameFontsAsFontconfigItself();
    void leftToFontconfig();

private:
    QString useConfiguration(const QString &body);
    QTemporaryDir m_folder;
    int m_files = 0;
};

namespace {

const char DejaVuFolder[] = "/usr/share/fonts/truetype/dejavu";

QStringList systemFontFiles(FcConfig *config)
{
    QStringList files;
    FcFontSet *fonts = FcConfigGetFonts(config, FcSetSystem);
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcChar8 *file = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
            files << QString::fromUtf8(reinterpret_cast<const char *>(file));
    }
    files.sort();
    return files;
}

// The configuration files a configuration was read from, the templates
// fontconfig reads for listing among them.
QStringList filesReadFor(FcConfig *config)
{
    QStringList read;
    FcConfigFileInfoIter file;
    FcConfigFileInfoIterInit(config, &file);
    do {
        FcChar8 *name = nullptr;
        if (FcConfigFileInfoIterGet(config, &file, &name, nullptr, nullptr)) {
            read << QString::fromUtf8(reinterpret_cast<const char *>(name));
            FcStrFree(name);
        }
    } while (FcConfigFileInfoIterNext(config, &file));
    return read;
}

} // namespace

QString TestFontConfiguration::useConfiguration(const QString &body)
{
    const QString file = m_folder.filePath(QStringLiteral("fonts%1.conf").arg(++m_files));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return QString();
    out.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig>%1</fontconfig>\n")
                  .arg(body)
                  .toUtf8());
    out.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(file));
    return file;
}

void TestFontConfiguration::sameFontsAsFontconfigItself()
{
    if (!QDir(QLatin1String(DejaVuFolder)).exists())
        QSKIP("fontconfig's own fonts are not installed");
    const QString file =
        useConfiguration(QStringLiteral("<dir>%1</dir><cachedir>%2</cachedir>")
                             .arg(QLatin1String(DejaVuFolder), m_folder.filePath("cache")));
    QVERIFY(!file.isEmpty());
    QVERIFY(fontconfiguration::installWithoutTemplates());
    FcConfig *own = FcInitLoadConfigAndFonts();
    QVERIFY(own);
    const QStringList expected = systemFontFiles(own);
    FcConfigDestroy(own);
    QVERIFY(!expected.isEmpty());
    FcConfig *current = FcConfigGetCurrent();
    QCOMPARE(systemFontFiles(current), expected);
    QCOMPARE(filesReadFor(current), QStringList{file});
}

void TestFontConfiguration::leftToFontconfig()
{
    // No cache folder named: fontconfig adds one of its own, and warns.
    QVERIFY(!useConfiguration(QStringLiteral("<dir>%1</dir>").arg(DejaVuFolder)).isEmpty());
    QVERIFY(!fontconfiguration::installWithoutTemplates());
    // No configuration file: fontconfig loads its fallback.
    qputenv("FONTCONFIG_FILE", QFile::encodeName(m_folder.filePath("missing.conf")));
    QVERIFY(!fontconfiguration::installWithoutTemplates());
}

QTEST_GUILESS_MAIN(TestFontConfiguration)
#include "tst_fontconfiguration.moc"
