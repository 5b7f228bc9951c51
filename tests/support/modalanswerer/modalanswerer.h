#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

// Answers modal boxes and dialogs while the code under test waits in their
// nested event loops (exec(), QMessageBox::warning() and the like).
//
// A short timer looks at the active modal widget; each time a widget becomes
// the active one it is recorded in `seen` and handed to the next queued
// answer. With none queued it goes to the fallback (the first button, or
// reject), so that a forgotten box can never hang a test; unanswered() counts
// those. A widget answered before that becomes the active one again (a dialog
// whose own box has gone) takes the next queued answer, and with none queued
// is left to the answer it had.
//
//     ModalAnswerer answerer;
//     answerer.enqueue(ModalAnswerer::click("OK"));
//     window.startConversion(...);
//     QCOMPARE(answerer.seen[0].title, "Error");
//
// For QFileDialog set Qt::AA_DontUseNativeDialogs before the dialog is made,
// so that it is a Qt widget an answer can reach.
class ModalAnswerer : public QObject
{
public:
    struct Seen
    {
        QString className;
        QString title;
        QString text;
        QStringList buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        const QWidget *parent = nullptr;
    };
    using Answer = std::function<void(QWidget *)>;

    ModalAnswerer()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_timer.start(10);
    }

    void enqueue(Answer answer) { m_answers.append(std::move(answer)); }
    // Answers queued and not used yet.
    int pending() const { return int(m_answers.size()); }
    // Widgets that found no queued answer and went to the fallback.
    int unanswered() const { return m_unanswered; }

    QList<Seen> seen;

    int count(const QString &title) const
    {
        int n = 0;
        for (const Seen &box : seen)
            n += box.title == title ? 1 : 0;
        return n;
    }

    // Clicks the message-box button with this text ("&" ignored).
    static Answer click(const QString &buttonText)
    {
        return [buttonText](QWidget *widget) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box)
                return;
            for (QAbstractButton *button : box->buttons()) {
                if (button->text().remove(QLatin1Char('&')) == buttonText) {
                    button->click();
                    return;
                }
            }
            qWarning("no button %s", qPrintable(buttonText));
            box->reject();
        };
    }

    // Answers a (non-native) directory chooser with a directory; an empty
    // text cancels it.
    static Answer chooseDirectory(const QString &directory)
    {
        return [directory](QWidget *widget) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            if (!dialog)
                return;
            if (directory.isEmpty()) {
                dialog->reject();
                return;
            }
            // With nothing selected or typed, a directory chooser answers
            // its current folder. Selecting the folder itself would depend
            // on the file-system model's asynchronous loading: once loaded,
            // the selection resolves against the parent folder.
            dialog->setDirectory(directory);
            dialog->selectFile(QString());
            static_cast<QDialog *>(dialog)->accept();
        };
    }

    // Presses Escape in the widget, as the user leaves a dialog or box.
    static Answer pressEscape()
    {
        return [](QWidget *widget) { QTest::keyClick(widget, Qt::Key_Escape); };
    }

    static Answer closeIt()
    {
        return [](QWidget *widget) { widget->close(); };
    }

private:
    void poll()
    {
        QWidget *widget = QApplication::activeModalWidget();
        if (!widget || !widget->isVisible()) {
            m_current = nullptr;
            return;
        }
        if (widget == m_current)
            return;
        m_current = widget;
        if (m_answered.contains(widget) && m_answers.isEmpty())
            return;
        m_answered.append(widget);

        Seen record{QString::fromLatin1(widget->metaObject()->className()),
                    widget->windowTitle(),
                    QString(),
                    QStringList(),
                    QMessageBox::NoIcon,
                    widget->parentWidget()};
        if (auto *box = qobject_cast<QMessageBox *>(widget)) {
            record.text = box->text();
            record.icon = box->icon();
            for (QAbstractButton *button : box->buttons())
                record.buttons << button->text().remove(QLatin1Char('&'));
        }
        seen.append(record);

        if (m_answers.isEmpty())
            ++m_unanswered;
        Answer answer = m_answers.isEmpty() ? fallback() : m_answers.takeFirst();
        // The answer runs from the event loop rather than inside this timer's
        // callback: answering may open another modal box, and its nested loop
        // would not deliver this timer again until the callback returned.
        QMetaObject::invokeMethod(
            this,
            [answer = std::move(answer), target = QPointer<QWidget>(widget)] {
                if (target)
                    answer(target);
            },
            Qt::QueuedConnection);
    }

    static Answer fallback()
    {
        return [](QWidget *widget) {
            if (auto *box = qobject_cast<QMessageBox *>(widget)) {
                if (!box->buttons().isEmpty())
                    box->buttons().first()->click();
                return;
            }
            if (auto *dialog = qobject_cast<QDialog *>(widget)) {
                dialog->reject();
                return;
            }
            widget->close();
        };
    }

    QTimer m_timer;
    QList<Answer> m_answers;
    QPointer<QWidget> m_current;
    QList<QPointer<QWidget>> m_answered;
    int m_unanswered = 0;
};
