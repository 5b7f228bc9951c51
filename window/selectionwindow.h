#pragma once

#include "conversionend.h"
#include "conversionrequest.h"
#include "conversionwindow.h"
#include "services.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

namespace Ui {
class SelectionWindow;
}

// The window of a selection of files: one progress for all of them, the
// time remaining for all of them, how many are converted and failed, and
// the names of those being encoded now. It belongs to the conversion
// window's family and watches a ConversionQueue. It asks the selection's
// questions once, shows no box of its own while files run, and sums up the
// failures in one box at the end.
class SelectionWindow : public ConversionWindow
{
    Q_OBJECT
public:
    explicit SelectionWindow(const Services &services,
                             std::shared_ptr<online::OnlineServices> online = {},
                             QWidget *parent = nullptr);
    ~SelectionWindow() override;

    // Converts the files in a queue of this window's own and shows it.
    void startConversions(const QList<ConversionRequest> &requests);

    // How a run over folders ended: the sentence, and what the person should
    // know (failures, files left out or left alone).
    struct RunEnd
    {
        QString sentence;
        QList<EndDetail> details;
        bool failed = false;
    };
    // A run over folders: the title instead of the selection's, its end
    // (asked for once the queue has finished) instead of the failures' box,
    // shown only when there are details.
    void setRun(const QString &title, const std::function<RunEnd()> &end);
    // What happens before the queue is watched ("Looking through Music…").
    void showPhase(const QString &text);

private:
    void showQueue() override;
    void showNumbers();
    void showEnd(const std::function<void()> &done) override;
    QString stopQuestion() const override;

    std::unique_ptr<Ui::SelectionWindow> ui;
    void setTitle(const QString &title);

    QTimer m_refresh;
    QElapsedTimer m_lastShown;
    int m_percentShown = -1;
    bool m_titled = false;
    QString m_runTitle;
    std::function<RunEnd()> m_runEnd;
};
