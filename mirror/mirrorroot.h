#pragma once

#include "settings.h"

#include <QString>

// Where a folder's mirror lies and what a run says about it.
namespace mirrorroot {

// The mirror's folder name: "Music" in MP3 is "Music (MP3)", the format as
// the windows' titles show it.
QString name(const QString &folder, const QString &format);

// The mirror's root: into when given; otherwise beside the folder (rule
// SameAsSource) or inside directory (rule Directory: the setting's folder;
// rule Ask: the folder the person chose). Empty for Ask with nothing chosen.
QString place(const QString &folder, const QString &format, settings::TargetRule rule,
              const QString &directory, const QString &into = {});

// "Music (MP3) is being updated by another Tonewright."
QString busyText(const QString &root);

// "Music (MP3) is up to date: 120 converted, 3 moved to the trash, 9,877 unchanged."
QString upToDateText(const QString &root, int converted, int trashed, int unchanged);

} // namespace mirrorroot
