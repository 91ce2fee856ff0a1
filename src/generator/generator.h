#pragma once
// The main-zone ticket generator: enumerates every combination of the selectable numbers that
// contains the fixed numbers and keeps those that pass the conditions, with tolerance.
//
// A run reads the history through a view (cut before the filter period when one is chosen) and
// tests each ticket as if it were the draw after the newest one; the history itself is never
// changed. A history holding a prediction record is refused: the caller removes the record first
// (removePredictionRecord) and tells the user, since the conditions may have been set against it.
//
// The parts of a run live in their own files, for the other ways of making tickets to reuse:
// plan.h (what a run decides once), tester.h (one ticket's test and the enumeration bounds),
// enumeration.h (the blocks of a regular run), taskrunner.h (the threads), signatures.h (past draws).

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "conditions.h"
#include "core/workspace.h"
#include "signatures.h"
#include "ticket.h"
#include "ticketbuffer.h"

namespace lottodesk {

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

// Keep one generator for many runs: its buffers stay between runs, and fresh multi-megabyte
// buffers cost page faults. A window that must not show half-made results keeps its conditions and
// results apart and gives a long-lived worker generator each run:
//     worker.conditions = conditions;
//     worker.run(ws, options)  or  worker.continueFiltering(ws, options, results);
//     if completed: std::swap(results, worker.results);  // no ticket is copied
// The worker recycles the results it swapped out as the buffers of its next run.
class Generator {
public:
    explicit Generator(uint64_t seed);

    MainConditions conditions;
    MainResults results;

    // "常规过滤": replaces the results unless it stops early.
    RunReport run(const Workspace& ws, const RunOptions& options);
    // "继续过滤": re-tests the results in place; passing results without tolerated failures come
    // first in their previous order, tolerated ones keep their tags.
    RunReport continueFiltering(const Workspace& ws, const RunOptions& options);
    // The same for `input` (the caller's results, or `results`): the outcome replaces `results`
    // unless it stops early; `input` is only read.
    RunReport continueFiltering(const Workspace& ws, const RunOptions& options, const MainResults& input);

    const SignatureTables& signatures() const { return m_signatures; }

private:
    SignatureTables m_signatures;
    // Buffers kept between runs. The spare results take the next run's tickets until it completes.
    std::vector<TicketBuffer> m_threadTickets;  // the passing tickets of each thread's chunks
    struct ChunkOutput {
        int thread = 0;
        size_t begin = 0, count = 0;  // in the thread's buffer
    };
    std::vector<ChunkOutput> m_chunkOutput;
    std::vector<uint8_t> m_verdicts;  // of continue filtering, per result
    MainResults m_spare;
};

// Removes the prediction record ("预测区") from the history, which a run requires: true when there
// was one. The caller then shows kPredictionPresentMessage and does not run.
bool removePredictionRecord(t_s_dm& sjk);

// The messages of a run that cannot start.
inline constexpr const char* kPredictionPresentMessage =
    "在过滤前，如果预测区存在，必须先清除预测区，否则条件设置可能存在错误。预测区已清除，请你重新设置条件。";
inline constexpr const char* kDeviationRangeMissing = "标准差还未确定范围";
inline constexpr const char* kCoefficientRangeMissing = "离散系数还未确定范围";

}  // namespace lottodesk
