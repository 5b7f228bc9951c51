#pragma once

#include <QString>
#include <QStringList>

// One conversion, as start-up hands it to the conversion window.
struct ConversionRequest
{
    QString source;
    QString format;        // lower-case, also the target's extension
    QStringList extraArgs; // from the options, on the command line or in the dialog
};
