#pragma once

#include "encoderoptions.h"
#include "services.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class ReportSink;

namespace Ui {
class AdvancedOptions;
}

// Format, volume and tags chosen before a conversion. The caller reads the
// results after exec(): Accepted when the dialog was closed (by Convert or
// the window's own close button), which fills them; Rejected when Cancel or
// Escape left it, which fills nothing.
class AdvancedOptions : public QDialog
{
    Q_OBJECT

public:
    // With Services(): nothing is asked, browsed, stored or posted.
    explicit AdvancedOptions(QWidget *parent = nullptr);
    // reports takes the usage record of the settings dialog opened from
    // here (none when null).
    explicit AdvancedOptions(const Services &services, ReportSink *reports = nullptr,
                             QWidget *parent = nullptr);
    ~AdvancedOptions() override;

    // Asks once for a whole selection: the title names the number of files,
    // and the title field is off, since each file keeps its own.
    void setFileCount(int count);

    // The format as shown ("MP3"); empty until the dialog was closed.
    QString format() const;
    // The volume and tags of the last close.
    EncoderOptions options() const;
    // Encoder arguments, one element per argument; every close appends.
    QStringList extraArguments() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_btn_Cancel_clicked();
    void on_btn_Convert_clicked();
    void on_btn_Settings_clicked();

private:
    void collect();

    std::unique_ptr<Ui::AdvancedOptions> m_ui;
    const Services m_services;
    ReportSink *const m_reports;
    QString m_format;
    EncoderOptions m_options;
    QStringList m_extraArguments;
};
