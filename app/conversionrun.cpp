#include "conversionrun.h"

#include "conversionqueue.h"

namespace conversionrun {

int exitStatus(const ConversionQueue &queue, StatusRule rule, bool leftOut,
               std::optional<int> terminatedBy)
{
    if (terminatedBy)
        return *terminatedBy;
    if (rule == StatusRule::AlwaysZero)
        return 0;
    return queue.converted() == queue.total() && !leftOut ? 0 : 1;
}

} // namespace conversionrun
