#pragma once

#include <QDialog>
#include <QStringList>

// Stand-in until the dialog's form lands.
class AdvancedOptions : public QDialog
{
    Q_OBJECT
public:
    explicit AdvancedOptions(QWidget *parent = nullptr) : QDialog(parent) {}
    QString format() const { return m_format; }
    QStringList extraArguments() const { return m_extraArguments; }

private:
    QString m_format = QStringLiteral("MP3");
    QStringList m_extraArguments;
};
