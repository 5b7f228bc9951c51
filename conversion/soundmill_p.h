#pragma once

#include "conversionjob.h"

#include <QTimer>
#include <memory>

class QStyle;

namespace online {
class OnlineServices;
}
namespace taskbar {
class TaskbarButton;
}

// What the window keeps of the conversion it shows.
struct SoundmillPrivate
{
    ConversionJob *job = nullptr; // a child of the window once the conversion started
    ConversionEnd end;            // how the job ended, for ffmpeg_finished
    bool finished = false;        // the conversion has ended; a close ends the program
    taskbar::TaskbarButton *taskbarButton = nullptr;
    bool hasTaskbarButton = false;
    // The statistics posts and the advertisement's requests, carried out on
    // a thread of their own; shared with the rest of the process.
    std::shared_ptr<online::OnlineServices> online;
    // Whether the "core module not found" box has been shown already.
    bool missingEncoderShown = false;
    // While the job waits for an encoder slot, the busy bar moves a few
    // times a second only.
    std::unique_ptr<QStyle> waitingStyle;
    QTimer waitingFrames;
};
