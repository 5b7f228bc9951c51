#include "aboutdialog.h"
#include "dialogtesting.h"
#include "modalanswerer.h"
#include "testservices.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

class TestAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void aboutText();
    void licenceIsTheVerbatimGpl2();
    void qtTabShowsToolkitBoxOnce_data();
    void qtTabShowsToolkitBoxOnce();
    void licenceTabOnlySwitches();
    void closing_data();
    void closing();
    void linksOpenOutsideAndKeepTheText();
};

namespace {
using dialogtesting::child;

// Answers the toolkit's About box, counting how often it came up.
ModalAnswerer::Answer closeAboutQt(int &shown, int &currentTabMeanwhile, QTabWidget *tabs)
{
    return [&shown, &currentTabMeanwhile, tabs](QWidget *modal) {
        if (modal->windowTitle() != QLatin1String("About Qt"))
            return;
        ++shown;
        currentTabMeanwhile = tabs->currentIndex();
        modal->close();
    };
}

QStringList words(const QString &text)
{
    return text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}
} // namespace

void TestAboutDialog::cleanup()
{
    QCOMPARE(dialogtesting::leftoverWindows(), QStringList());
}

void TestAboutDialog::aboutText()
{
    AboutDialog dialog(testServices());
    auto *about = child<QTextBrowser>(dialog, "textBrowser");
    const QString site = testServices().addresses.website.toString();
    const QString builds = testServices().addresses.encoderBuilds.toString();
    QCOMPARE(
        about->toPlainText(),
        QString(
            "About Tonewright\n" + site +
            "\nThis software is free to use.\n"
            "Share with your friends and enjoy it.\n"
            "This application uses FFmpeg as a standalone executable; its builds can be found at " +
            builds +
            ".\nYou can download the source code on the site above.\n"
            "No FFmpeg libraries were built into this application.\n"
            "See licenses.zip for more information in the installation directory if Tonewright."));

    // The three links, their targets and their look.
    const QString html = about->toHtml();
    QStringList targets;
    QRegularExpressionMatchIterator it =
        QRegularExpression("<a href=\"([^\"]*)\">").globalMatch(html);
    while (it.hasNext())
        targets << it.next().captured(1);
    QCOMPARE(targets, QStringList({site, builds, "licenses.zip"}));
    QTextDocument *document = about->document();
    const QTextCharFormat body = document->find("This software is free to use.").charFormat();
    QVERIFY(body.fontFamilies().toStringList().contains("MS Shell Dlg 2"));
    QCOMPARE(body.fontWeight(), 400);
    QCOMPARE(body.fontPointSize(), 8.0);

    const QTextBlock heading = document->begin();
    QCOMPARE(heading.text(), QString("About Tonewright"));
    QCOMPARE(heading.blockFormat().topMargin(), 18.0);
    QCOMPARE(heading.blockFormat().bottomMargin(), 12.0);
    const QTextCharFormat headingFormat = heading.begin().fragment().charFormat();
    QCOMPARE(headingFormat.fontPointSize(), 16.0);
    QCOMPARE(headingFormat.fontWeight(), 600);

    int links = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (!format.isAnchor())
                continue;
            ++links;
            QVERIFY(format.fontUnderline());
            QCOMPARE(format.foreground().color(), QColor("#0000ff"));
        }
    }
    QCOMPARE(links, 3);
}

void TestAboutDialog::licenceIsTheVerbatimGpl2()
{
    AboutDialog dialog(testServices());
    auto *licence = child<QTextBrowser>(dialog, "textBrowser_2");
    const QString shown = licence->toPlainText();
    QVERIFY(shown.startsWith("GNU GENERAL PUBLIC LICENSE\nVersion 2, June 1991"));

    QFile original("/usr/share/common-licenses/GPL-2");
    if (!original.open(QIODevice::ReadOnly))
        QSKIP("the system's copy of the GPL version 2 is not installed");
    // Line breaks and runs of spaces are the browser's business; every word
    // and its order must be the published text's.
    QCOMPARE(words(shown), words(QString::fromUtf8(original.readAll())));

    // Text in 8 pt; the sample notices in a monospaced font.
    auto formatOf = [licence](const QString &text) {
        const QTextCursor found = licence->document()->find(text);
        if (found.isNull())
            qFatal("not in the licence: %s", qPrintable(text));
        return found.charFormat();
    };
    QCOMPARE(formatOf("The licenses for most software").fontPointSize(), 8.0);
    const QTextCharFormat sample = formatOf("Copyright (C) <year>  <name of author>");
    QCOMPARE(sample.fontPointSize(), 8.0);
    QVERIFY(sample.fontFixedPitch() || sample.fontFamilies().toStringList().contains("monospace"));
    QVERIFY(!formatOf("The licenses for most software").fontFixedPitch());
}

void TestAboutDialog::qtTabShowsToolkitBoxOnce_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("mouse") << false;
    QTest::newRow("keyboard") << true;
}

void TestAboutDialog::qtTabShowsToolkitBoxOnce()
{
    QFETCH(bool, byKeyboard);
    AboutDialog dialog(testServices());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *tabs = child<QTabWidget>(dialog, "tw_Tabs");
    QTabBar *bar = tabs->tabBar();

    int shown = 0;
    int currentTabMeanwhile = -1;
    ModalAnswerer answerer;
    answerer.enqueue(closeAboutQt(shown, currentTabMeanwhile, tabs));
    if (byKeyboard) {
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Right); // FFMpeg
        QCOMPARE(tabs->currentIndex(), 1);
        QTest::keyClick(bar, Qt::Key_Right); // Qt
    } else {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    }
    QTRY_COMPARE(shown, 1);
    QCOMPARE(answerer.unanswered(), 0);
    QCOMPARE(currentTabMeanwhile, 0);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->currentWidget()->objectName(), QString("MainTab"));
    QTest::qWait(100);
    QCOMPARE(shown, 1);
    dialog.hide();
}

void TestAboutDialog::licenceTabOnlySwitches()
{
    AboutDialog dialog(testServices());
    dialog.show();
    auto *tabs = child<QTabWidget>(dialog, "tw_Tabs");
    ModalAnswerer answerer;
    tabs->setCurrentIndex(1);
    QTest::qWait(60);
    QVERIFY(answerer.seen.isEmpty());
    QCOMPARE(tabs->currentWidget()->objectName(), QString("FFMpegTab"));
    dialog.hide();
}

void TestAboutDialog::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close button") << "button";
    QTest::newRow("window close button") << "window";
    QTest::newRow("Escape") << "escape";
}

void TestAboutDialog::closing()
{
    QFETCH(QString, how);
    AboutDialog dialog(testServices());
    ModalAnswerer answerer;
    answerer.enqueue([&](QWidget *) {
        if (how == "button")
            child<QDialogButtonBox>(dialog, "bb_Buttons")->button(QDialogButtonBox::Close)->click();
        else if (how == "window")
            dialog.windowHandle()->close();
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    dialog.exec();
    QCOMPARE(answerer.unanswered(), 0);
    QCOMPARE(answerer.seen.size(), 1);
    QVERIFY(!dialog.isVisible());
}

void TestAboutDialog::linksOpenOutsideAndKeepTheText()
{
    QList<QUrl> opened;
    Services services = testServices();
    services.browse = [&opened](const QUrl &url) { opened << url; };
    AboutDialog dialog(services);
    auto *about = child<QTextBrowser>(dialog, "textBrowser");
    const QString text = about->toPlainText();

    emit about->anchorClicked(QUrl(QStringLiteral("licenses.zip")));
    emit about->anchorClicked(testServices().addresses.website);
    emit about->anchorClicked(QUrl(QStringLiteral("file:///bin/sh")));
    // The web site goes to the browser; the relative file (not installed
    // here) and other schemes open nothing, and the About text stays.
    QCOMPARE(opened, QList<QUrl>{testServices().addresses.website});
    QCOMPARE(about->toPlainText(), text);
}

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
