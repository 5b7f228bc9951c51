#include "adpanel.h"

#include "advertisement.h"
#include "onlineservices.h"
#include "weburl.h"

#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

AdPanel::AdPanel(QLabel *label, QWidget *window, const Services &services,
                 online::OnlineServices *online, double currentVersion)
    : QObject(window)
    , m_label(label)
    , m_window(window)
    , m_services(services)
    , m_online(online)
    , m_currentVersion(currentVersion)
{
}

void AdPanel::restart()
{
    m_targetUrl = m_services.addresses.social.toString();
    m_opened = true;
    m_label->removeEventFilter(this);
    m_label->installEventFilter(this);
    m_label->setAttribute(Qt::WA_MouseTracking);

    ++m_request;
    // The request goes out from the event loop, after the window is shown
    // and the conversion has started.
    QTimer::singleShot(0, this, &AdPanel::requestDocument);
}

void AdPanel::stop()
{
    ++m_request;
    m_stopped = true;
}

void AdPanel::requestDocument()
{
    const QUrl server = m_services.addresses.adServer;
    if (!m_online || server.isEmpty() || m_stopped)
        return;
    const int request = m_request;
    m_online->fetch(online::adDocumentAddress(server), online::MaxDocumentBytes,
                    [this, request](const QByteArray &body) {
                        if (request == m_request)
                            takeDocument(body);
                    });
}

void AdPanel::takeDocument(const QByteArray &body)
{
    const std::optional<online::AdDocument> document = online::evaluateAdDocument(body);
    if (!document)
        return;
    m_targetUrl = document->targetUrl;
    m_opened = !document->autoOpen;

    // A picture address that is no web address is not asked for, and the
    // picture shown stays.
    const QUrl imageAddress(document->imgUrl);
    const int request = m_request;
    if (m_online && weburl::isWebAddress(imageAddress)) {
        m_online->fetch(imageAddress, online::MaxPictureBytes,
                        [this, request](const QByteArray &picture) {
                            if (request == m_request)
                                takePicture(picture);
                        });
    }

    if (document->currentVersion > m_currentVersion)
        QTimer::singleShot(100, this, &AdPanel::askAboutUpdate);
    m_updateUrl = document->freshUrl;
}

void AdPanel::takePicture(const QByteArray &body)
{
    m_label->setPixmap(QPixmap::fromImage(online::decodePicture(body)));
}

void AdPanel::askAboutUpdate()
{
    // Once the conversion has ended the window is gone: no question may hold
    // up the end.
    if (m_stopped)
        return;
    auto *box = new QMessageBox(QMessageBox::Question, tr("Update available"),
                                tr("Tonewright had been updated!\nPlease download the fresh "
                                   "version to avoid bugs and other problems.\nWould you like to "
                                   "download it now?"),
                                QMessageBox::NoButton, m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Neither button takes the Escape key or the title bar's close: the
    // question is answered with one of them.
    QPushButton *yes = box->addButton(tr("Yes"), QMessageBox::ActionRole);
    box->addButton(tr("No"), QMessageBox::ActionRole);
    box->setDefaultButton(yes);
    connect(box, &QMessageBox::buttonClicked, this, [this, yes](QAbstractButton *clicked) {
        if (clicked == yes && !m_stopped)
            m_services.openAddress(QUrl(m_updateUrl));
    });
    box->open();
}

bool AdPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_label)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        m_services.openAddress(QUrl(m_targetUrl));
        m_opened = true;
        return true;
    }
    if (event->type() == QEvent::MouseMove && !m_opened) {
        m_opened = true;
        m_services.openAddress(QUrl(m_targetUrl));
        return true;
    }
    return QObject::eventFilter(watched, event);
}
