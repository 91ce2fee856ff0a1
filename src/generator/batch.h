#pragma once
// The batch filter ("批量过滤"): several saved main-zone condition files run one after another on the
// same result list, the first as the run command (regular, wheel or random), every later one as
// continue filtering, so a ticket survives only when it passes every file in turn.
//
// Every listed file is loaded and checked before the first run (readable, the bounds of the
// standard-deviation and coefficient rows set, no prediction record in the history), so no run can
// stop on its conditions and leave the later files continuing a stale list. A missing file is
// skipped and named after "批量过滤完毕"; as with the file list of the dialog, the run command
// belongs to the first entry of the list, so when that file is missing the next one continues the
// existing results.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "generator.h"
#include "ticketrun.h"

namespace lottodesk {

inline constexpr const char* kBatchCaption = "批量过滤";
inline constexpr const char* kBatchAddTitle = " 加入过滤条件文件";
inline constexpr const char* kBatchFileFilter = "过滤条件文件 (*.zh)";
inline constexpr const char* kBatchFinished = "批量过滤完毕";
inline constexpr const char* kBatchMissingPrefix = "未找到的条件文件：";
// The refusal of a batch whose first file is missing; the path follows.
inline constexpr const char* kBatchFirstMissingMessage = "批量过滤的第一个条件文件不存在，批量过滤没有开始：";

struct BatchEntry {
    std::string path;
    bool first = false;  // the first entry of the list: the run command, not continue filtering
    MainConditions conditions;
    std::vector<std::string> notes;  // the load's notes (cut group counts, a short file)
    bool truncated = false;          // fewer records than a condition file holds
};

struct BatchPlan {
    Status status;                     // failure: the message that stops the batch before any run
    std::vector<BatchEntry> entries;   // the files found, in list order
    std::vector<std::string> missing;  // the paths not found, in list order
};

// Loads and checks every file of `paths` (zh_to of the current game). An unreadable file stops
// with the read message; a file whose deviation or coefficient row lacks a bound stops with the
// file named before the run's message; a history holding the prediction record stops with the
// run's message (the caller removes the record, as for a run).
BatchPlan prepareBatch(const Workspace& ws, const std::vector<std::string>& paths);
// "批量过滤完毕", and on a second line "未找到的条件文件：" + the missing paths joined by "，".
std::string batchFinishedText(const BatchPlan& plan);

struct BatchReport {
    bool completed = false;  // every run completed; false when cancelled or a run stopped
    std::string message;     // why a run stopped (a formula that cannot be evaluated), or empty
    int runsDone = 0;
    std::vector<std::string> statusLines;  // each completed run's status text
    // "批量过滤完毕", and on a second line "未找到的条件文件：" + the missing paths joined by "，".
    std::string finishedText;
};

// Runs the plan on `generator` (its results are the list that later entries continue). `mode`
// empty: regular runs; otherwise the first entry runs that mode. options.cancel ends the batch
// after the run in progress stops; the results are then those of the last completed run.
// `onRun(index, total)` is called before each run. After the batch the generator holds the
// conditions of the last file run.
BatchReport runBatch(Generator& generator, const Workspace& ws, const BatchPlan& plan, const RunOptions& options,
                     const std::optional<TicketRun>& mode = std::nullopt,
                     const std::function<void(int index, int total)>& onRun = {});

}  // namespace lottodesk
