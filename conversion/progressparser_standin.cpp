// Stand-in until the parser lands.
#include "progressparser.h"

qint32 timeToHundredths(const QString &) { return 0; }
QString timeRemainingText(qint64) { return QString(); }
ProgressUpdate ProgressParser::feed(const QByteArray &, qint64, qint32 &, QString &) { return {}; }
