#pragma once

#include "replaygain.h"

#include <QString>

// The user settings, kept as text in the platform's native per-user
// store: the registry key HKEY_CURRENT_USER\Software\Tonewright on Windows,
// $XDG_CONFIG_HOME/Tonewright.conf elsewhere. Every call opens the store,
// does one thing and closes it; nothing is cached.

// The stored text, or empty text when the key is missing or not text.
QString readSetting(const QString &key);
void writeSetting(const QString &key, const QString &value);

namespace settings {

inline constexpr char BitrateKey[] = "bitrate";
inline constexpr char TargetDirKey[] = "targetdir";
inline constexpr char SendStatKey[] = "sendstat";
inline constexpr char ReplayGainKey[] = "replaygain";

inline constexpr int DefaultBitrate = 128;

// A base-10 multiple of 32 from 32 to 320, otherwise 128.
int bitrateFromText(const QString &text);

enum class TargetRule { SameAsSource, Ask, Directory };

// An existing directory wins; then exactly "ask"; anything else (an empty
// first-run value included) means beside the source.
TargetRule targetRuleFromText(const QString &text);

// Reports are allowed unless the text is exactly "false".
bool sendReportsFromText(const QString &text);

// The stored choice (replaygain::fromWord); anything else (an empty
// first-run value included) means album.
ReplayGain replayGainFromText(const QString &text);

} // namespace settings
