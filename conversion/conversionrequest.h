#pragma once

#include "encoderoptions.h"

#include <QString>

// One conversion, as start-up hands it to the conversion window.
struct ConversionRequest
{
    QString source;
    QString format;         // lower-case, also the target's extension
    EncoderOptions options; // from the command line or the options dialog
    // Empty: the job picks a free name (see targetreservation.h). Otherwise
    // an existing empty file the job writes as it is, never renamed; on
    // success it stays, on failure or stop the job removes it. (A mirror's
    // temporary name: the mirror renames it into place.)
    QString target{};
};
