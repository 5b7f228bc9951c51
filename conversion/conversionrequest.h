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
    // the very file to write (a mirror's temporary name, which the mirror
    // renames into place): the job makes its missing folders and creates
    // it, never over a file or link already there; on success it stays, on
    // failure or stop the job removes it.
    QString target{};
    // Which item of the caller's the request is (a mirror's step), handed
    // back in its end; -1 for a file named directly.
    int origin = -1;
};
