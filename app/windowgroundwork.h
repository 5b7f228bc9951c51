#pragma once

#include <thread>

// What the first window needs and would take milliseconds to make on its
// own: the font database (fontconfig reads its configuration and its list
// of fonts the first time any text is measured) and the frame's pictures.
// Made on a thread of its own from the moment the application object
// exists, while this thread sets up the run and starts the first encoder;
// the window then finds them made, or waits for the rest. Both are shared
// safely across threads: the font database takes its own lock, the
// pictures are handed over through resourceimage.
//
// The thread is waited for on destruction, before the application object
// it uses is gone.
class WindowGroundwork
{
public:
    WindowGroundwork();
    ~WindowGroundwork();

    WindowGroundwork(const WindowGroundwork &) = delete;
    WindowGroundwork &operator=(const WindowGroundwork &) = delete;

private:
    std::thread m_thread;
};
