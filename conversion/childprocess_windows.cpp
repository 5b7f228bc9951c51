#include "childprocess.h"

#include <QProcess>

namespace childprocess {

// The tools open the files by name here (see heldsource.h), so there is
// nothing to hand over.
void start(QProcess &process, const QString &program, const QStringList &arguments,
           std::initializer_list<int>, int)
{
    process.start(program, arguments);
}

} // namespace childprocess
