#include "workspace.h"

#include "fileio.h"

namespace lottodesk {

Workspace::Workspace(std::string programFolder) : folder(std::move(programFolder)) {
    if (folder.empty() || folder.back() != '/') folder += '/';
}

std::string Workspace::historyPath(int type) const {
    return path("database/basedata" + std::to_string(type) + ".rec");
}

StartupResult initialiseWorkspace(Workspace& ws, SettingsStore& settings) {
    StartupResult result;
    std::vector<std::string>& messages = result.messages;
    ws.transformed = false;
    ws.components = defaultComponentTable();
    makeFolders(ws.path("database"));
    makeFolders(ws.path("save"));

    TypeTableLoad load = loadTypeTable(ws.typeFilePath());
    if (!load.message.empty()) messages.push_back(load.message);
    ws.types = load.table;
    ws.curcp = 0;
    applyZoneLabels(ws.current());
    ws.game = startupGameParams(ws.current());

    ws.sjk.SetFileName(ws.historyPath(ws.curcp));
    result.historyOpened = ws.sjk.Open();
    if (!result.historyOpened) messages.push_back(ws.sjk.lastError());

    ws.partitions.rebuild(ws.game.zh_to);
    ws.settings = loadColdHotSettings(settings);
    return result;
}

void prepareHistoryAfterStart(Workspace& ws) {
    t_s_dm& sjk = ws.sjk;
    sjk.SetKey();
    sjk.SetFieldValue(0, kPredictionPeriod);
    if (sjk.GotoKey()) sjk.Delete(false);
    sjk.Last();
    ws.lastdraw.fill(0);
    if (!sjk.IsEmpty())
        for (int slot = 1; slot <= 7; ++slot) ws.lastdraw[slot] = static_cast<uint8_t>(sjk.FieldValue(slot));
    sjk.Last();
    sjk.MoveBy(-12);
}

Status switchLotteryType(Workspace& ws, int previous) {
    const std::string previousFile = ws.sjk.FileName();
    ws.sjk.SetFileName(ws.historyPath(ws.curcp));
    if (!ws.sjk.Open()) {
        Status failed = Status::failure(ws.sjk.lastError());
        ws.sjk.SetFileName(previousFile);
        ws.curcp = previous;
        return failed;
    }
    ws.transformed = false;
    ws.game = switchedGameParams(ws.current());
    ws.partitions.rebuild(ws.game.zh_to);

    Status status;
    t_s_dm& sjk = ws.sjk;
    if (!sjk.IsEmpty()) {
        sjk.Last();
        if (sjk.FieldValue(0) == kPredictionPeriod && !sjk.Delete(true)) status = Status::failure(sjk.lastError());
        sjk.Last();
        sjk.MoveBy(-9);
    }
    applyZoneLabels(ws.current());
    return status;
}

std::string mainCaption(const Workspace& ws, bool afterSwitch) {
    return ws.current().cpmm + (afterSwitch ? "(原始数据)" : "");
}

}  // namespace lottodesk
