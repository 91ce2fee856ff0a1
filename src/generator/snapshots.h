#pragma once
// The generator's memory of conditions: the snapshot ring `tjlq` (the conditions of up to four
// earlier runs, files "hfset0.zh" .. "hfset4.zh"), the regular conditions "save/cgset.zh", the
// conditions at the last exit "exitset.zh", and the extension rule of the condition save dialogs.
// Paths are relative to the program folder, which ends with '/'.

#include <cstdint>
#include <string>
#include <string_view>

#include "condfile.h"

namespace lottodesk {

inline constexpr int kSnapshotSlots = 5;
inline constexpr const char* kRegularConditionsFile = "save/cgset.zh";
inline constexpr const char* kExitConditionsFile = "exitset.zh";

inline constexpr const char* kNothingToRestoreMessage = "没有过滤条件可供恢复";
inline constexpr const char* kSnapshotMissingMessage = "恢复上一次过滤条件的相关文件不存在";
inline constexpr const char* kRegularMissingMessage =
    "常规过滤条件的文件不存在，请先设置好常用的过滤条件，再覆盖常规过滤条件";
inline constexpr const char* kExitMissingMessage = "你是第一次使用，上次退出前的过滤条件的文件并不存在";

// The ring's position: slot of the oldest and of the current snapshot, and how many step-backs
// remain (at most four).
struct tjlq {
    int32_t oldest = -1;
    int32_t current = -1;
    int32_t count = 0;

    // Moves to the slot the next snapshot is written to and returns it.
    int advance();
    // Moves back one slot and returns it, or -1 (nothing changes) when no step-back remains.
    int stepBack();
};

// folder + "hfset" + slot + ".zh".
std::string snapshotPath(const std::string& folder, int slot);

// After a completed run or continue run: advances the ring and writes the conditions to the
// slot's file. A failed write is returned; the ring has advanced all the same.
Status advanceSnapshot(tjlq& ring, const std::string& folder, const MainConditions& conditions, int zh_to);

// "恢复上一次过滤条件": "没有过滤条件可供恢复" when the ring is empty (nothing changes); otherwise
// steps back and loads that slot's file, or "恢复上一次过滤条件的相关文件不存在" when it is missing.
// On failure the caller keeps its conditions.
MainConditionLoad stepBackSnapshot(tjlq& ring, const std::string& folder, int zh_to, const MainConditions& current);

// "载入常规过滤条件" and "覆盖常规过滤条件" (the save folder is created when missing).
MainConditionLoad loadRegularConditions(const std::string& folder, int zh_to, const MainConditions& current);
Status overwriteRegularConditions(const std::string& folder, const MainConditions& conditions, int zh_to);

// "载入上次退出前的过滤条件".
MainConditionLoad loadExitConditions(const std::string& folder, int zh_to, const MainConditions& current);

// At application exit: writes "exitset.zh" and deletes the five snapshot files (also when the
// write fails, whose message is returned).
Status saveConditionsAtExit(const std::string& folder, const MainConditions& conditions, int zh_to);

// The name a save dialog writes to: `chosen` with `extension` (".zh", ".fzh", ".lzh") appended
// unless the name contains it anywhere.
std::string withConditionExtension(std::string chosen, std::string_view extension);

}  // namespace lottodesk
