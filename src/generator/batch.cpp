#include "batch.h"

#include "condfile.h"
#include "core/fileio.h"
#include "plan.h"
#include "runframe.h"

namespace lottodesk {

BatchPlan prepareBatch(const Workspace& ws, const std::vector<std::string>& paths) {
    BatchPlan plan;
    if (ws.sjk.indexOfPeriod(kPredictionPeriod) > 0) {
        plan.status = Status::failure(StatusCode::PredictionPresent, kPredictionPresentMessage);
        return plan;
    }
    for (size_t i = 0; i < paths.size(); ++i) {
        const std::string& path = paths[i];
        if (!fileExists(path)) {
            // The later files continue what the first one filtered: without it there is nothing to
            // continue, so the batch does not start.
            if (i == 0) {
                plan.status = Status::failure(StatusCode::FileMissing, kBatchFirstMissingMessage + path);
                return plan;
            }
            plan.missing.push_back(path);
            continue;
        }
        MainConditionLoad load = loadMainConditions(path, ws.game.zh_to);
        if (!load.status) {
            plan.status = load.status;
            plan.entries.clear();
            return plan;
        }
        if (const std::string problem = conditionsCheck(load.conditions); !problem.empty()) {
            plan.status = Status::failure(StatusCode::BadFileContent, path + "：" + problem);
            plan.entries.clear();
            return plan;
        }
        plan.entries.push_back({path, i == 0, std::move(load.conditions), std::move(load.notes), load.truncated});
    }
    return plan;
}

BatchReport runBatch(Generator& generator, const Workspace& ws, const BatchPlan& plan, const RunOptions& options,
                     const std::optional<TicketRun>& mode, const std::function<void(int index, int total)>& onRun) {
    BatchReport report;
    const int total = static_cast<int>(plan.entries.size());
    for (int i = 0; i < total; ++i) {
        if (options.cancel && options.cancel->load()) return report;
        const BatchEntry& entry = plan.entries[static_cast<size_t>(i)];
        if (onRun) onRun(i, total);
        generator.conditions = entry.conditions;
        const RunReport run = !entry.first ? generator.continueFiltering(ws, options)
                              : mode       ? runTicketMode(generator, ws, options, *mode)
                                           : generator.run(ws, options);
        if (!run.completed) {
            report.message = run.message;
            return report;
        }
        report.statusLines.push_back(run.statusText);
        ++report.runsDone;
    }
    report.completed = true;
    report.finishedText = batchFinishedText(plan);
    return report;
}

std::string batchFinishedText(const BatchPlan& plan) {
    std::string text = kBatchFinished;
    if (!plan.missing.empty()) {
        text += "\n";
        text += kBatchMissingPrefix;
        for (size_t i = 0; i < plan.missing.size(); ++i) text += (i > 0 ? "，" : "") + plan.missing[i];
    }
    return text;
}

}  // namespace lottodesk
