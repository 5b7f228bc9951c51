// On a high-density screen (QT_SCALE_FACTOR) the window's and the dialogs'
// pictures carry that pixel ratio, while every window keeps its size in
// logical pixels.
#include "advancedoptions.h"
#include "filedialog.h"
#include "soundmill.h"
#include "soundmillgui.h"
#include "testservices.h"

#include <QLabel>
#include <QTest>

class TestSharpPictures : public QObject
{
    Q_OBJECT

private slots:
    void pictures();
};

namespace {

// "name: ratio, logical size" for the label's picture.
QString shown(const QWidget &window, const char *label)
{
    const QPixmap picture = window.findChild<QLabel *>(label)->pixmap();
    const QSizeF size = picture.deviceIndependentSize();
    return QString("%1: %2, %3x%4")
        .arg(label)
        .arg(picture.devicePixelRatio())
        .arg(size.width())
        .arg(size.height());
}

} // namespace

void TestSharpPictures::pictures()
{
    const int ratio = qEnvironmentVariableIntValue("QT_SCALE_FACTOR");
    QVERIFY(ratio >= 2);
    const Services services = testServices();
    const QString header = QString("lbl_Logo: %1, 135x135").arg(ratio);

    Soundmill window(services);
    window.show();
    QCOMPARE(window.size(), QSize(390, 340));
    QCOMPARE(shown(window, "lbl_Logo"), QString("lbl_Logo: %1, 30x30").arg(ratio));
    QCOMPARE(shown(window, "lbl_Ad"), QString("lbl_Ad: %1, 300x100").arg(ratio));

    AdvancedOptions options(services);
    QCOMPARE(shown(options, "lbl_Logo"), header);
    QCOMPARE(options.size(), QSize(492, 373));
    FileDialog chooser;
    QCOMPARE(shown(chooser, "lbl_Logo"), header);
    SoundmillGui settings(services);
    QCOMPARE(shown(settings, "lbl_Logo"), header);
}

QTEST_MAIN(TestSharpPictures)
#include "tst_sharppictures.moc"
