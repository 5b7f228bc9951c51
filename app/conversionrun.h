#pragma once

#include "conversionrequest.h"
#include "services.h"

#include <QList>
#include <functional>
#include <optional>

class ConversionQueue;

// The run of a conversion: the queue of its files (one file is a queue of
// one), the view that watches it, requests to end the process, and the one
// rule for the status the process ends with.
namespace conversionrun {

// How the status is read from the queue. A single file named with a format
// word ends with 0 whatever became of it, as it always has; a selection
// (--each), and any run without a display, ends with 0 only when every
// file was converted.
enum class StatusRule { AlwaysZero, AllConverted };

// The status for a queue that has finished: 128 + n after termination
// signal n, otherwise by the rule (leftOut: an argument named no file).
int exitStatus(const ConversionQueue &queue, StatusRule rule, bool leftOut,
               std::optional<int> terminatedBy);

} // namespace conversionrun
