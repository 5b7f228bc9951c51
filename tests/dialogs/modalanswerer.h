#pragma once

// Answers modal dialogs and message boxes in headless tests.
//
// exec() and static helpers such as QMessageBox::warning() or
// QFileDialog::getOpenFileName() block the test in a nested event loop. A
// ModalAnswerer polls QApplication::activeModalWidget() on a short timer and
// hands each modal widget it finds to a callback, which answers it (clicks a
// button, fills in a file dialog, closes it) and returns true, or returns
// false to leave it alone (for instance the dialog under test itself).
//
// As a safety net, a modal widget that nobody answers within the time limit
// is rejected and timedOut() becomes true, so a wrong expectation fails the
// test instead of hanging it.
//
//     ModalAnswerer answerer([](QWidget *modal) {
//         auto *box = qobject_cast<QMessageBox *>(modal);
//         if (!box)
//             return false;
//         ModalAnswerer::clickButton(box, "Dismiss");
//         return true;
//     });
//     dialog.exec();
//     QCOMPARE(answerer.answered(), 1);
//
// For QFileDialog set Qt::AA_DontUseNativeDialogs before the application
// object is created, so that the dialog is a Qt widget the helper can reach.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

class ModalAnswerer
{
public:
    using Answer = std::function<bool(QWidget *modal)>;

    explicit ModalAnswerer(Answer answer, int timeLimitMs = 5000)
        : m_answer(std::move(answer))
        , m_timeLimitMs(timeLimitMs)
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { poll(); });
        m_timer.start();
    }

    ~ModalAnswerer() { m_timer.stop(); }
    ModalAnswerer(const ModalAnswerer &) = delete;
    ModalAnswerer &operator=(const ModalAnswerer &) = delete;

    // How many times the callback answered a modal widget.
    int answered() const { return m_answered; }
    // Window titles of the widgets answered, in order.
    QStringList answeredTitles() const { return m_titles; }
    // True when a modal widget had to be rejected because nobody answered it.
    bool timedOut() const { return m_timedOut; }

    // Clicks the button of a message box whose text (mnemonic '&' removed) is
    // the given one; returns false when there is none.
    static bool clickButton(QMessageBox *box, const QString &text)
    {
        const auto buttons = box->buttons();
        for (QAbstractButton *button : buttons) {
            if (QString(button->text()).remove(QLatin1Char('&')) == text) {
                button->click();
                return true;
            }
        }
        return false;
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            m_waiting.invalidate();
            return;
        }
        if (modal != m_lastUnanswered) {
            m_lastUnanswered = modal;
            m_waiting.start();
        }
        if (!m_pending) {
            // The answer runs from the event loop rather than inside this
            // timer's callback: answering may open another modal box, whose
            // nested loop would not deliver this timer again until it returned.
            m_pending = true;
            QMetaObject::invokeMethod(
                &m_timer,
                [this, target = QPointer<QWidget>(modal)] {
                    m_pending = false;
                    if (!target || target != QApplication::activeModalWidget())
                        return;
                    const QString title = target->windowTitle();
                    if (m_answer(target)) {
                        ++m_answered;
                        m_titles << title;
                        m_lastUnanswered = nullptr;
                    }
                },
                Qt::QueuedConnection);
        }
        if (m_waiting.isValid() && m_waiting.elapsed() > m_timeLimitMs) {
            m_timedOut = true;
            m_lastUnanswered = nullptr;
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
        }
    }

    Answer m_answer;
    int m_timeLimitMs;
    QTimer m_timer;
    QPointer<QWidget> m_lastUnanswered;
    QElapsedTimer m_waiting;
    int m_answered = 0;
    bool m_timedOut = false;
    bool m_pending = false;
    QStringList m_titles;
};
