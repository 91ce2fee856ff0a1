#pragma once
// The main-zone ticket generator: enumerates every combination of the selectable numbers that
// contains the fixed numbers and keeps those that pass the conditions, with tolerance.
//
// A run reads the history through a view (cut before the filter period when one is chosen) and
// tests each ticket as if it were the draw after the newest one; the history itself is never
// changed, except that a prediction record found at the start is removed, as the run requires.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "conditions.h"
#include "core/status.h"
#include "core/workspace.h"

namespace lottodesk {

// One result: the m numbers ascending in bytes 0..m-1, the hit count of prize checking after them.
using Ticket = std::array<uint8_t, 8>;

// The history signature of "不允许所有主号与历史完全相同": two random tables drawn once per generator.
struct SignatureTables {
    explicit SignatureTables(uint64_t seed);
    std::array<uint32_t, kMaxMainNumber + 1> r1{};
    std::array<uint32_t, kMaxMainNumber + 1> r2{};
};

struct MainResults {
    std::vector<Ticket> tickets;
    std::vector<uint8_t> tags;  // per ticket: 0, or the number of its last tolerated failure
    int passCount = 0;
    int64_t elapsedMicros = 0;
};

struct RunOptions {
    int32_t filterPeriod = 0;  // 0: "未开奖期", the whole history
    int threads = 1;
    const std::atomic<bool>* cancel = nullptr;
    // Called after each block of tickets from the thread that tested it (any of the run's threads);
    // `done` of `total` blocks. Must be thread-safe (a window posts it to its own thread).
    std::function<void(int done, int total)> progress;
};

struct RunReport {
    bool completed = false;  // false: stopped before or during the run; the results are unchanged
    std::string message;     // why it stopped (to show in a message box), or empty
    std::string statusText;  // the status bar text of a completed run
};

class Generator {
public:
    explicit Generator(uint64_t seed);

    MainConditions conditions;
    MainResults results;

    // "常规过滤": replaces the results unless it stops early.
    RunReport run(Workspace& ws, const RunOptions& options);
    // "继续过滤": re-tests the results in place; passing results without tolerated failures come
    // first in their previous order, tolerated ones keep their tags.
    RunReport continueFiltering(Workspace& ws, const RunOptions& options);

    const SignatureTables& signatures() const { return m_signatures; }

private:
    SignatureTables m_signatures;
    // Buffers kept between runs: fresh multi-megabyte buffers cost more in page faults than a
    // whole run. The spare results take the next run's tickets until it completes.
    std::vector<std::vector<Ticket>> m_blockTickets;
    std::vector<std::vector<uint8_t>> m_blockTags;
    MainResults m_spare;
};

// The result text line: each number as two digits followed by one blank ("01 02 03 04 05 06 ").
std::string ticketLine(const Ticket& ticket, int m);

// The messages of a run that cannot start.
inline constexpr const char* kPredictionPresentMessage =
    "在过滤前，如果预测区存在，必须先清除预测区，否则条件设置可能存在错误。预测区已清除，请你重新设置条件。";
inline constexpr const char* kDeviationRangeMissing = "标准差还未确定范围";
inline constexpr const char* kCoefficientRangeMissing = "离散系数还未确定范围";

}  // namespace lottodesk
