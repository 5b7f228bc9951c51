#pragma once

#include <string>

namespace discpull {

// The device node that a drive argument names on Linux (see
// cdplatform_linux.cpp); empty for an empty argument.
std::string linuxDevicePath(const std::string &drive);

} // namespace discpull
