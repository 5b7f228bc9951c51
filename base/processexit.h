#pragma once

#include <functional>

// Every place that ends the program at once (a dialog's Cancel, the window's
// close after the encoder ended) goes through here, so that tests can watch
// the status instead of losing their own process.
namespace processexit {

// Ends the process with the given status. Does not return unless a test
// handler is installed.
void endProcess(int status);

// Replaces the real exit; pass an empty function to restore it.
void setHandler(std::function<void(int)> handler);

} // namespace processexit
