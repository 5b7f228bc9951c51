#pragma once

#include <QTimer>
#include <memory>

class ConversionJob;
class ConversionQueue;
class QStyle;

// What the window keeps of the conversion it shows.
struct SoundmillPrivate
{
    ConversionQueue *queue = nullptr; // the queue of one file shown
    ConversionJob *job = nullptr;     // its job while it runs
    bool finished = false;            // the conversion has ended
    // While the job waits for an encoder slot, the busy bar moves a few
    // times a second only.
    std::unique_ptr<QStyle> waitingStyle;
    QTimer waitingFrames;
};
