#pragma once

namespace taskbar {

// Whether the session bus is there to talk to. Only a bus that is named
// (DBUS_SESSION_BUS_ADDRESS) or that listens at $XDG_RUNTIME_DIR/bus is
// connected to: without either, D-Bus would start a bus of its own
// (autolaunch) and wait on a helper for its address, which is not ours to
// start for a progress bar or a notification.
bool hasSessionBus();

} // namespace taskbar
