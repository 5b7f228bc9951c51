#pragma once

#include "encoderoptions.h"

#include <QString>

// One conversion, as start-up hands it to the conversion window.
struct ConversionRequest
{
    QString source;
    QString format;         // lower-case, also the target's extension
    EncoderOptions options; // from the command line or the options dialog
};
