#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// A thread of its own that runs the tasks it is given one after another, in
// the order given: a mirror's disk work (walking, planning, copying,
// renaming into place, flushing, recording) and the album values a run
// writes go there, so that a slow medium never holds up the event loop
// that reads the encoders' pipes.
class SerialWorker
{
public:
    SerialWorker();
    // Runs what is still queued, then ends the thread.
    ~SerialWorker();
    SerialWorker(const SerialWorker &) = delete;
    SerialWorker &operator=(const SerialWorker &) = delete;

    void post(std::function<void()> task);
    // Returns once every task posted so far has run.
    void drain();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::function<void()>> m_tasks;
    bool m_busy = false;
    bool m_ending = false;
    std::thread m_thread;
};
