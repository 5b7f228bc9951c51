#pragma once

// fontconfig's own start-up reads, besides the system's configuration, every
// configuration template it could offer for listing: some forty files on
// Debian, 3 to 5 ms on the way to a window's first text. A program that only
// draws text needs the configuration alone.
namespace fontconfiguration {

// Loads the configuration fontconfig itself would load (the file
// FONTCONFIG_FILE names, or the system's), builds its font list from the
// caches, and makes it the process's configuration, without the templates.
// Returns false and changes nothing when there is no such file or it names
// no cache folder: fontconfig then does what it always does on first use
// (a fallback configuration, a cache folder of its own). Also false where
// text is not drawn through fontconfig.
//
// Safe while other threads use fontconfig (every call holds a reference to
// the configuration it works with), and before Qt's font database exists.
bool installWithoutTemplates();

} // namespace fontconfiguration
