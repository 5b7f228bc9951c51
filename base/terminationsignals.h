#pragma once

#include <QObject>

// Requests to end the process that arrive as signals (SIGTERM when the
// session ends, SIGINT, SIGHUP) turned into a Qt signal on the GUI thread,
// so that a running conversion can clean up before the process goes: a
// conversion killed outright would leave its reserved, empty target behind.
// One instance at a time; where the platform has no such signals it never fires.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void requested(int signalNumber);

private:
    void readPending();

    class QSocketNotifier *m_notifier = nullptr;
};
