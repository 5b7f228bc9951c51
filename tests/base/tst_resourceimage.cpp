#include "resourceimage.h"

#include <QImageReader>
#include <QRegularExpression>
#include <QTest>

#include <thread>

// The bundled pictures as the windows read them: handed to another thread
// ahead of the window, or read when asked.
class TestResourceImage : public QObject
{
    Q_OBJECT

private slots:
    void picturesReadAheadAreThePictures_data();
    void picturesReadAheadAreThePictures();
    void aReadingDroppedUnrunStillReads();
    void anIconIsReadWhenAskedFor();
};

void TestResourceImage::picturesReadAheadAreThePictures_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("file");
    QTest::newRow("1x") << qreal(1) << QStringLiteral(":/resources/imgs/likeus.png");
    QTest::newRow("1.25 takes 2x") << qreal(1.25) << QStringLiteral(":/resources/imgs/advenced@2x.png");
    QTest::newRow("3x") << qreal(3) << QStringLiteral(":/resources/imgs/icon@3x.png");
}

void TestResourceImage::picturesReadAheadAreThePictures()
{
    QFETCH(qreal, ratio);
    QFETCH(QString, file);
    const QString path = QString(file).remove(QRegularExpression(QStringLiteral("@\\dx")));
    std::thread reader(resourceimage::readAhead({path}, ratio));
    const QPixmap shown = resourceimage::pixmap(path, ratio);
    reader.join();
    const QImage expected = QImageReader(file).read();
    QVERIFY(!expected.isNull());
    QCOMPARE(shown.toImage(), expected.convertToFormat(shown.toImage().format()));
    QCOMPARE(shown.devicePixelRatio(), expected.devicePixelRatio());
}

void TestResourceImage::aReadingDroppedUnrunStillReads()
{
    const QString path = QStringLiteral(":/resources/imgs/likeus.png");
    resourceimage::readAhead({path}, 2); // dropped unrun
    QCOMPARE(resourceimage::pixmap(path, 2).size(), QSize(600, 200));
}

void TestResourceImage::anIconIsReadWhenAskedFor()
{
    const QIcon icon = resourceimage::icon(QStringLiteral(":/resources/imgs/icon.png"));
    QVERIFY(!icon.isNull());
    // The variants are the same 30 pixels at higher densities.
    QCOMPARE(icon.pixmap(QSize(30, 30), 2).size(), QSize(60, 60));
    QVERIFY(resourceimage::icon(QStringLiteral(":/resources/imgs/missing.png")).isNull());
}

QTEST_MAIN(TestResourceImage)
#include "tst_resourceimage.moc"
