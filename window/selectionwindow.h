#pragma once

#include "conversionrequest.h"
#include "conversionwindow.h"
#include "services.h"

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
    explicit SelectionWindow(const Services &services, QWidget *parent = nullptr);
    ~SelectionWindow() override;

    // Converts the files in a queue of this window's own and shows it.
    void startConversions(const QList<ConversionRequest> &requests);

private:
    void showQueue() override;
    void showEnd(const std::function<void()> &done) override;
    QString stopQuestion() const override;

    std::unique_ptr<Ui::SelectionWindow> ui;
    int m_percentShown = -1;
    bool m_titled = false;
};
