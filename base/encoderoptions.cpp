#include "encoderoptions.h"

namespace encoderoptions {


const QList<int> &volumes()
{
    static const QList<int> list = {25, 50, 75, 100, 125, 150, 175, 200, 250, 300, 350, 400};
    return list;
}

} // namespace encoderoptions
