#pragma once

#include <QDialog>
#include <QStringList>

// Stand-in until the dialog's form lands.
class FileDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FileDialog(QWidget *parent = nullptr) : QDialog(parent) {}
    QString fileName() const { return m_fileName; }

private:
    QString m_fileName;
};
