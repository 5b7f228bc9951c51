#include "onlineservices.h"
#include "program.h"
#include "services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QByteArray>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

void print(const char *kind, const QString &text)
{
    std::printf("%s\t%s\n", kind,
                qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1String("\\n"))));
    std::fflush(stdout);
}

// With TW_TEST_SHOW_TEXTS set, prints the texts of the conversion window once
// it shows a conversion, closes it, prints the texts of the question that
// follows and answers it with Yes: a test reads what the user would see.
void showTexts()
{
    if (qEnvironmentVariableIsEmpty("TW_TEST_SHOW_TEXTS"))
        return;
    auto *timer = new QTimer(QCoreApplication::instance());
    auto window = std::make_shared<QPointer<QWidget>>();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, window] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (box && box->isVisible() && box->button(QMessageBox::Yes)) {
                print("box-title", box->windowTitle());
                print("box-text", box->text());
                for (QAbstractButton *button : box->buttons())
                    print("box-button", button->text());
                timer->stop();
                box->button(QMessageBox::Yes)->click();
                return;
            }
            const auto *title = widget->findChild<QLabel *>(QStringLiteral("lbl_Title"));
            if (*window || !widget->inherits("Soundmill") || !widget->isVisible() || !title ||
                title->text().isEmpty())
                continue;
            *window = widget;
            print("window-title", widget->windowTitle());
            for (const QLabel *label : widget->findChildren<QLabel *>())
                print("label", label->text());
            for (const QAbstractButton *button : widget->findChildren<QAbstractButton *>())
                print("button", button->text());
            QMetaObject::invokeMethod(widget, &QWidget::close, Qt::QueuedConnection);
        }
    });
    timer->start(20);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(showTexts)

// The program for tests and benchmarks: the real one, except that its web
// pages and servers are under the address in TW_TEST_SERVER (a loopback
// server of the test), or that it has no servers at all when that is unset.
int main(int argc, char *argv[])
{
    Services services = programServices();
    const QByteArray server = qgetenv("TW_TEST_SERVER");
    services.addresses.adServer = QUrl();
    services.addresses.statsServer = QUrl();
    if (!server.isEmpty()) {
        const QString base = QString::fromUtf8(server);
        services.addresses.website = QUrl(base + QStringLiteral("/site/"));
        services.addresses.social = QUrl(base + QStringLiteral("/social"));
        services.addresses.encoderBuilds = QUrl(base + QStringLiteral("/builds/"));
        services.addresses.adServer = QUrl(base);
        services.addresses.statsServer = QUrl(base);
    }
    // With TW_TEST_SLOTS=n the program runs n encoders at once, whatever
    // the machine's cores: a test's timing then holds on any machine.
    const int slotCount = qEnvironmentVariableIntValue("TW_TEST_SLOTS");
    if (slotCount > 0)
        services.encoderSlotCount = slotCount;
    // With TW_TEST_SLOW_NETWORK=ms the network stack takes that long to
    // load: whatever the program posts is then still unsent when its
    // conversion is over, unless the end waits for it.
    const int slowNetworkMs = qEnvironmentVariableIntValue("TW_TEST_SLOW_NETWORK");
    online::OnlineBackendFactory onlineBackend;
    if (slowNetworkMs > 0) {
        onlineBackend = [slowNetworkMs](const QUrl &statsServer) {
            QThread::msleep(slowNetworkMs);
            return online::loadModuleBackend(online::OnlineServices::moduleFolders(), statsServer);
        };
    }
    // With TW_TEST_NOTIFY_AFTER_MS=ms a run that long ends with its
    // notification on standard output instead of the desktop's.
    const QByteArray notifyAfter = qgetenv("TW_TEST_NOTIFY_AFTER_MS");
    if (!notifyAfter.isEmpty()) {
        services.notifyAfterMs = notifyAfter.toLongLong();
        services.notify = [](const QString &sentence) { print("notification", sentence); };
    }
    return runProgram(argc, argv, services, onlineBackend);
}
