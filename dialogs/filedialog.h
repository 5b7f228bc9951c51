#pragma once

#include "services.h"

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class FileDialog;
}

// Asks for the file to convert when the program was started without one.
// The dialog only closes (other than by Cancel or Escape, which reject it)
// on a readable regular file, and is then accepted.
class FileDialog : public QDialog
{
    Q_OBJECT

public:
    // With Services(): Browse asks nothing.
    explicit FileDialog(QWidget *parent = nullptr);
    explicit FileDialog(const Services &services, QWidget *parent = nullptr);
    ~FileDialog() override;

    // The accepted path, exactly as it stood in the field; empty when no
    // close was accepted.
    QString fileName() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_btn_Cancel_clicked();
    void on_btn_Convert_clicked();
    void on_btn_Browse_clicked();

private:
    std::unique_ptr<Ui::FileDialog> m_ui;
    QString m_fileName;
    const Services m_services;
};
