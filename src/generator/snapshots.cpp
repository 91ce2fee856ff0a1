#include "snapshots.h"

#include <cstdio>

#include "core/fileio.h"
#include "core/platform.h"

namespace lottodesk {
namespace {

// Loads `path`, or fails with `missingMessage` when there is no such file.
MainConditionLoad loadFixed(const std::string& path, const char* missingMessage, int zh_to,
                            const MainConditions& current) {
    if (!fileExists(path)) {
        MainConditionLoad missing;
        missing.status = Status::failure(StatusCode::FileMissing, missingMessage);
        return missing;
    }
    return loadMainConditions(path, zh_to, &current);
}

}  // namespace

int tjlq::advance() {
    if (oldest == -1) {
        oldest = 0;
        current = 0;
    } else {
        current = (current + 1) % kSnapshotSlots;
        if (current == oldest) oldest = (current + 1) % kSnapshotSlots;
        if (count < kSnapshotSlots - 1) ++count;
    }
    return current;
}

int tjlq::stepBack() {
    if (count <= 0) return -1;
    --count;
    current = current <= 0 ? kSnapshotSlots - 1 : current - 1;
    return current;
}

std::string snapshotPath(const std::string& folder, int slot) {
    return folder + "hfset" + std::to_string(slot) + ".zh";
}

Status advanceSnapshot(tjlq& ring, const std::string& folder, const MainConditions& conditions, int zh_to) {
    return saveMainConditions(snapshotPath(folder, ring.advance()), conditions, zh_to);
}

MainConditionLoad stepBackSnapshot(tjlq& ring, const std::string& folder, int zh_to, const MainConditions& current) {
    const int slot = ring.stepBack();
    if (slot < 0) {
        MainConditionLoad empty;
        empty.status = Status::failure(StatusCode::FileMissing, kNothingToRestoreMessage);
        return empty;
    }
    return loadFixed(snapshotPath(folder, slot), kSnapshotMissingMessage, zh_to, current);
}

MainConditionLoad loadRegularConditions(const std::string& folder, int zh_to, const MainConditions& current) {
    return loadFixed(folder + kRegularConditionsFile, kRegularMissingMessage, zh_to, current);
}

Status overwriteRegularConditions(const std::string& folder, const MainConditions& conditions, int zh_to) {
    makeFolders(folder + "save");
    return saveMainConditions(folder + kRegularConditionsFile, conditions, zh_to);
}

MainConditionLoad loadExitConditions(const std::string& folder, int zh_to, const MainConditions& current) {
    return loadFixed(folder + kExitConditionsFile, kExitMissingMessage, zh_to, current);
}

Status saveConditionsAtExit(const std::string& folder, const MainConditions& conditions, int zh_to) {
    const Status saved = saveMainConditions(folder + kExitConditionsFile, conditions, zh_to);
    for (int slot = 0; slot < kSnapshotSlots; ++slot) platform::removeFile(snapshotPath(folder, slot));
    return saved;
}

std::string withConditionExtension(std::string chosen, std::string_view extension) {
    if (chosen.find(extension) == std::string::npos) chosen += extension;
    return chosen;
}

}  // namespace lottodesk
