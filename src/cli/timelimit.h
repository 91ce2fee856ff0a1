#pragma once
// `--time-limit SECONDS`: the time limit of one command. At the deadline it sets `timeUp`, which
// stops a generator run at its next block; a command that only reads is ended there with the
// message and exit status 2, since an evaluation cannot be interrupted. A run that does not stop
// within a grace period is ended the same way; a command that writes the history finishes.

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "cli/command.h"

namespace lottodesk::cli {

class TimeLimit {
public:
    TimeLimit(double seconds, OnTimeLimit action, std::string message);
    ~TimeLimit();
    TimeLimit(const TimeLimit&) = delete;
    TimeLimit& operator=(const TimeLimit&) = delete;

    const std::atomic<bool>* timeUp() const { return &m_timeUp; }
    const std::string& message() const { return m_message; }

private:
    std::string m_message;
    std::atomic<bool> m_timeUp{false};
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_watch;
};

// "SECONDS": a number 0..1e7, or nothing.
std::optional<double> secondsValue(const std::string& text);

}  // namespace lottodesk::cli
