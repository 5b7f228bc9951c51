#pragma once

// The one place the program ends: start-up calls it when a dialog was left
// by Cancel and when the conversion window reports its end.
namespace processexit {

// Ends the process with the given status; does not return.
[[noreturn]] void endProcess(int status);

} // namespace processexit
