#include "cli/timelimit.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "cli/common.h"

namespace lottodesk::cli {

TimeLimit::TimeLimit(double seconds, OnTimeLimit action, std::string message) : m_message(std::move(message)) {
    if (seconds <= 0) m_timeUp = true;
    if (action == OnTimeLimit::Finish) return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    m_watch = std::thread([this, deadline, action] {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_done.wait_until(lock, deadline, [this] { return m_finished; })) return;
        m_timeUp = true;
        if (action == OnTimeLimit::Cancel &&
            m_done.wait_for(lock, std::chrono::seconds(30), [this] { return m_finished; }))
            return;
        std::fputs((m_message + "\n").c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(kStopped);
    });
}

TimeLimit::~TimeLimit() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_finished = true;
    }
    m_done.notify_all();
    if (m_watch.joinable()) m_watch.join();
}

std::optional<double> secondsValue(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !(value >= 0 && value <= 1e7)) return std::nullopt;
    return value;
}

}  // namespace lottodesk::cli
