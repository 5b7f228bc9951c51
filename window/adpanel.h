#pragma once

#include "services.h"

#include <QObject>
#include <QString>

class QLabel;
class QWidget;

namespace online {
class OnlineServices;
}

// The advertisement beside the progress: the server's document and picture,
// the rule that hovering may open its target once, and the question about a
// newer version. The window keeps the label and the other widgets; this
// object is its child and works on that label. Without online services it
// fetches nothing: the defaults stay and no question comes.
class AdPanel : public QObject
{
    Q_OBJECT
public:
    AdPanel(QLabel *label, QWidget *window, const Services &services,
            online::OnlineServices *online, double currentVersion);

    // The window is shown: the defaults again, and a new request for the
    // document (answers to the requests of an earlier show are dropped).
    void restart();
    // The conversion has ended: answers still under way are dropped and no
    // update question comes up any more.
    void stop();

    // The document's and the picture's bodies, once fetched.
    void takeDocument(const QByteArray &body);
    void takePicture(const QByteArray &body);
    // Asks whether to download the newer version the document announced.
    void askAboutUpdate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void requestDocument();

    QLabel *m_label;
    QWidget *m_window;
    const Services m_services;
    online::OnlineServices *m_online;
    const double m_currentVersion;
    QString m_targetUrl;
    bool m_opened = true; // true: hovering the picture opens nothing
    // Counts the requests; an answer to an earlier one than the newest is
    // no longer awaited.
    int m_request = 0;
    bool m_stopped = false;
    QString m_updateUrl;
};
