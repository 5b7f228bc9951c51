#pragma once

#include "conversionend.h"

#include <QString>

// The words a person is shown for each way a conversion can fail, in the
// user's language; the engine itself only names the kind.
QString failureText(ConversionEnd::Failure failure);
