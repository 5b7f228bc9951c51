// Platforms without termination signals: nothing ever arrives.
#include "terminationsignals.h"

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
}

TerminationSignals::~TerminationSignals() = default;

void TerminationSignals::readPending() {}
