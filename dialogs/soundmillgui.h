#pragma once

#include <QDialog>
#include <QStringList>

// Stand-in until the dialog's form lands.
class SoundmillGui : public QDialog
{
    Q_OBJECT
public:
    explicit SoundmillGui(QWidget *parent = nullptr) : QDialog(parent) {}

};
