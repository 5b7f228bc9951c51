#pragma once

#include "conversionend.h"

#include <QString>

// The words a person is shown for each way a conversion can fail, in the
// user's language; the engine itself only names the kind.
QString failureText(ConversionEnd::Failure failure);

// A detail of a run's end as one line: "Rock/a.flac: <why it failed>", or
// the detail's own sentence.
QString detailText(const EndDetail &detail);
