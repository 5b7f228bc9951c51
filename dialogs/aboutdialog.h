#pragma once

#include "services.h"

#include <QDialog>

#include <memory>

class QAbstractButton;

namespace Ui {
class AboutDialog;
}

// The About box: the product, the encoder's licence, and a tab that stands
// for the toolkit and shows its own About box instead.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    // With Services(): nothing is asked, browsed, stored or posted.
    explicit AboutDialog(QWidget *parent = nullptr);
    explicit AboutDialog(const Services &services, QWidget *parent = nullptr);
    ~AboutDialog() override;

private slots:
    void on_bb_Buttons_clicked(QAbstractButton *button);
    void on_tw_Tabs_currentChanged(int index);

private:
    QString aboutText() const;
    void openLink(const QUrl &url);

    std::unique_ptr<Ui::AboutDialog> m_ui;
    const Services m_services;
};
