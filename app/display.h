#pragma once

// Whether the program can show windows. A platform chosen explicitly
// (QT_QPA_PLATFORM, -platform; offscreen included) is honoured. Otherwise a
// display is there when WAYLAND_DISPLAY is set, or when DISPLAY names an X
// server that answers; without one the program converts in the terminal
// instead of aborting in the windowing system's start-up.
namespace display {

bool isAvailable(int argc, char *argv[]);

} // namespace display
