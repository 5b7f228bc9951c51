#pragma once

#include <QDialog>
#include <QStringList>

// Stand-in until the dialog's form lands.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr) : QDialog(parent) {}

};
