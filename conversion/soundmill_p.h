#pragma once

#include "encoderslot.h"
#include "onlineservices.h"
#include "progressparser.h"
#include "targetreservation.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <memory>

class QEventLoop;
class QProcess;

namespace taskbar {
class TaskbarButton;
}

// All state of one conversion, shared by the job, the progress handling, the
// advertisement and the window's own slots.
struct SoundmillPrivate
{
    SoundmillPrivate(const QUrl &statsServer, online::OnlineBackendFactory onlineBackend)
        : online(statsServer, std::move(onlineBackend))
    {
    }

    QProcess *process = nullptr; // the encoder, a child of the window
    QString encoderProgram;
    // The arguments without the source's cover, for a second run when the
    // encoder refused the first; empty when there is nothing to retry.
    QStringList withoutCover;
    bool finished = false;                // the encoder has ended; a close ends the program
    std::unique_ptr<QElapsedTimer> clock; // started right after the encoder start
    bool sendReports = false;
    QStringList encoderArgs; // copied only when reports may be sent
    taskbar::TaskbarButton *taskbarButton = nullptr;
    bool hasTaskbarButton = false;
    // The statistics posts and the advertisement's requests, carried out on
    // a thread of their own.
    online::OnlineServices online;

    // Keeps the media's duration and the encoder's text since its last
    // progress stamp, which a failure reports.
    ProgressParser parser;
    // The reserved target: our open file, which the encoder writes into. It
    // is removed again whenever the conversion does not end in success.
    targetreservation::Reservation target;
    // The extractor of a CD track while the window waits for it, so that a
    // close during the wait can stop it.
    QProcess *extractor = nullptr;
    // The WAV file the extractor wrote for a CD track; ours to remove once
    // the encoder is done with it.
    QString temporaryInput;
    // Whether the "core module not found" box has been shown already.
    bool missingEncoderShown = false;
    // This conversion's turn among all of the user's running encoders, and
    // the wait for it while every slot is taken.
    std::unique_ptr<EncoderSlot> encoderSlot;
    QEventLoop *slotWait = nullptr;
};
