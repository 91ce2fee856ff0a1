#pragma once
// The workspace: the process-wide state of one running program (or one test), owned in one place
// and passed by reference. Names follow the system's own (`sjk`, `curcp`, `cpstyles` ...).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "componenttable.h"
#include "cpstyle.h"
#include "partition.h"
#include "s_dm.h"
#include "seqlist.h"
#include "settings.h"
#include "status.h"

namespace lottodesk {

// The regular pattern arrangement: cell p holds the number p + 1.
constexpr std::array<uint8_t, 100> regularArrangement() {
    std::array<uint8_t, 100> cells{};
    for (int p = 0; p < 100; ++p) cells[p] = static_cast<uint8_t>(p + 1);
    return cells;
}

struct Workspace {
    explicit Workspace(std::string programFolder);

    std::string folder;  // the program folder, ending with '/'
    TypeTable types;
    int curcp = 0;
    GameParams game;

    t_s_dm sjk;         // history of the current type
    t_s_dm sjk_cut;     // the generator's holding area for draws after the filter period
    t_s_dm sjk_bh;      // per-draw number map of the data transform
    t_s_dm sjk_bhdata;  // transformed copy of the history

    ZonePartitions partitions;
    tzbpxz_zj1 components = defaultComponentTable();
    ColdHotSettings settings;
    TicketPrice price;                  // what one ticket costs
    ColdWarmHotLists lists;             // cold, warm and hot numbers as of the newest draw
    bool transformed = false;           // the history shown is the data transform's
    int transform = 0;                  // which one: 0 "原始数据", 1..4 "变换1".."变换4"
    std::array<uint8_t, 8> lastdraw{};  // slots 1..7 of the newest draw, index 1..7
    // The pattern arrangement of the row/column pattern page, read by the arrangement families;
    // regular at start-up.
    std::array<uint8_t, 100> arrangement = regularArrangement();

    std::string path(std::string_view relative) const { return folder + std::string(relative); }
    std::string typeFilePath() const { return path("database/cps.typ"); }
    std::string historyPath(int type) const;
    tcpstyle& current() { return types.cpstyles[curcp]; }
    const tcpstyle& current() const { return types.cpstyles[curcp]; }
};

// The main initialisation: program folders, lottery type table and game parameters of type 0,
// the history of type 0, the zone partitions and the six cold/warm/hot settings. Returns the
// messages the user should see (an incomplete type file, a history that could not be opened).
struct StartupResult {
    std::vector<std::string> messages;
    bool historyOpened = false;
    bool typeFileNoted = false;  // the type file was incomplete, unreadable or held values out of range
};
StartupResult initialiseWorkspace(Workspace& ws, SettingsStore& settings);

// What the main window does with the history when it is first shown: a prediction record left in
// the file is removed from memory (not from the file), `lastdraw` is taken from the newest draw,
// and the cursor ends 12 records before the last.
void prepareHistoryAfterStart(Workspace& ws);

// The engine's part of switching to the type `ws.curcp` (already chosen in the dialog), coming
// from `previous`: opens that type's history, sets the game parameters and zone labels, rebuilds
// the partitions and removes a saved prediction record from the file. When the history cannot be
// opened nothing changes (curcp goes back to `previous`) and the message says why.
// `saveRemoval` false leaves the removal of the prediction record in memory, as the start does: a
// command that only reads the history never changes its file.
Status switchLotteryType(Workspace& ws, int previous, bool saveRemoval = true);

// The rules the history of the current type checks new draws with: the game parameters and the
// zone labels of the type.
DrawRules drawRulesOf(const Workspace& ws);

// The message for a history whose periods do not ascend strictly (a damaged or foreign file),
// naming the first record out of order; empty when the history is in order.
std::string historyOrderMessage(const t_s_dm& store);

// The caption of the main window: the type's name, "(原始数据)" appended after a switch (and after
// the data transform went back to the raw data); while a transform is applied, "(变换数据N)".
std::string mainCaption(const Workspace& ws, bool afterSwitch);

}  // namespace lottodesk
