#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>

// Answers modal boxes and dialogs while the code under test waits in their
// nested event loops: a short timer looks at the active modal widget and
// hands each new one to the next queued answer (or, with none queued, to the
// fallback, so that a forgotten box can never hang a test).
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
    int pending() const { return int(m_answers.size()); }

    QList<Seen> seen;

    // Clicks the message-box button with this text ("&" ignored).
    static Answer click(const QString &buttonText)
    {
        return [buttonText](QWidget *widget) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box)
                return;
            for (QAbstractButton *button : box->buttons()) {
                if (button->text().remove('&') == buttonText) {
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

    static Answer closeIt()
    {
        return [](QWidget *widget) { widget->close(); };
    }

    int count(const QString &title) const
    {
        int n = 0;
        for (const Seen &box : seen)
            n += box.title == title ? 1 : 0;
        return n;
    }

private:
    void poll()
    {
        QWidget *widget = QApplication::activeModalWidget();
        if (!widget || !widget->isVisible())
            return;
        for (const QPointer<QWidget> &done : m_answered) {
            if (done == widget)
                return;
        }
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
                record.buttons << button->text().remove('&');
        }
        seen.append(record);

        Answer answer = m_answers.isEmpty() ? fallback() : m_answers.takeFirst();
        answer(widget);
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
    QList<QPointer<QWidget>> m_answered;
};
