#pragma once

#include "services.h"
#include "settings.h"
#include "toollocator.h"

#include <QElapsedTimer>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// Services for a test: the real parts and the settings store (under the
// test's own home), except that no address reaches a browser and there are
// no servers (pass a loopback server's address to have them).
inline Services testServices(const QUrl &server = QUrl())
{
    Services services;
    services.readSetting = readSetting;
    services.writeSetting = writeSetting;
    services.addresses.website = QUrl(QStringLiteral("https://website.test/"));
    services.addresses.social = QUrl(QStringLiteral("https://social.test/tonewright"));
    services.addresses.encoderBuilds = QUrl(QStringLiteral("https://builds.test/"));
    services.addresses.adServer = server;
    services.addresses.statsServer = server;
    services.browse = [](const QUrl &) {};
    // The encoder slots of the test process alone, never the user's: two,
    // whatever the machine.
    static QTemporaryDir slotsOfTheTests;
    services.encoderSlotFolder = slotsOfTheTests.path() + QStringLiteral("/encoders");
    services.encoderSlotCount = 2;
    return services;
}

// The same, with helper programs looked up in the given folder only.
inline Services testServices(const QString &toolFolder, const QUrl &server = QUrl())
{
    Services services = testServices(server);
    services.locateTool = [toolFolder](const QString &baseName) -> QString {
        return toolFolder + QLatin1Char('/') + toollocator::executableName(baseName);
    };
    return services;
}

// A directory chooser for the services that answers from a queue, front
// first; an empty text, or a question with nothing queued, is a cancelled
// chooser. It must outlive the services it is put in.
struct DirectoryAnswers
{
    QStringList queue;
    // The window each question was asked over, in order.
    QList<QWidget *> askedOver;

    std::function<void(QWidget *, Services::DirectoryAnswer)> chooser()
    {
        return [this](QWidget *parent, Services::DirectoryAnswer answer) {
            askedOver << parent;
            answer(queue.isEmpty() ? QString() : queue.takeFirst());
        };
    }
};

// Runs the event loop until done() is true or timeoutMs have passed;
// returns done().
inline bool waitUntil(const std::function<bool()> &done, int timeoutMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QTest::qWait(10);
    return done();
}
