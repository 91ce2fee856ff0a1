#include "workspace.h"

#include "datatransform.h"
#include "fileio.h"

namespace lottodesk {

Workspace::Workspace(std::string programFolder) : folder(std::move(programFolder)) {
    if (folder.empty() || folder.back() != '/') folder += '/';
}

std::string Workspace::historyPath(int type) const { return path("database/basedata" + std::to_string(type) + ".rec"); }

StartupResult initialiseWorkspace(Workspace& ws, SettingsStore& settings) {
    StartupResult result;
    std::vector<std::string>& messages = result.messages;
    clearTransformState(ws);
    ws.components = defaultComponentTable();
    makeFolders(ws.path("database"));
    makeFolders(ws.path("save"));

    TypeTableLoad load = loadTypeTable(ws.typeFilePath());
    if (!load.message.empty()) messages.push_back(load.message);
    result.typeFileNoted = !load.message.empty();
    ws.types = load.table;
    ws.curcp = 0;
    applyZoneLabels(ws.current());
    ws.game = startupGameParams(ws.current());

    ws.sjk.SetFileName(ws.historyPath(ws.curcp));
    ws.sjk.setDrawRules(drawRulesOf(ws));
    result.historyOpened = ws.sjk.Open();
    if (!result.historyOpened)
        messages.push_back(ws.sjk.lastError());
    else if (std::string note = historyOrderMessage(ws.sjk); !note.empty())
        messages.push_back(note);

    ws.partitions.rebuild(ws.game.zh_to);
    ws.settings = loadColdHotSettings(settings);
    ws.price = loadTicketPrice(settings);
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

Status switchLotteryType(Workspace& ws, int previous, bool saveRemoval) {
    const std::string previousFile = ws.sjk.FileName();
    ws.sjk.SetFileName(ws.historyPath(ws.curcp));
    if (!ws.sjk.Open()) {
        Status failed = Status::failure(StatusCode::HistoryRefused, ws.sjk.lastError());
        ws.sjk.SetFileName(previousFile);
        ws.curcp = previous;
        return failed;
    }
    clearTransformState(ws);
    ws.game = switchedGameParams(ws.current());
    ws.partitions.rebuild(ws.game.zh_to);
    ws.sjk.setDrawRules(drawRulesOf(ws));

    Status status;
    t_s_dm& sjk = ws.sjk;
    if (!sjk.IsEmpty()) {
        sjk.Last();
        if (sjk.FieldValue(0) == kPredictionPeriod && !sjk.Delete(saveRemoval))
            status = Status::failure(StatusCode::HistoryRefused, sjk.lastError());
        sjk.Last();
        sjk.MoveBy(-9);
    }
    applyZoneLabels(ws.current());
    return status;
}

DrawRules drawRulesOf(const Workspace& ws) {
    tcpstyle labelled = ws.current();
    applyZoneLabels(labelled);
    return DrawRules{ws.game, labelled.zhname, labelled.specname};
}

std::string historyOrderMessage(const t_s_dm& store) {
    const int n = store.firstUnorderedRecord();
    if (n == 0) return {};
    const int32_t before = store.FieldValueAt(n - 1, 0);
    const int32_t at = store.FieldValueAt(n, 0);
    return "数据文件中的开奖记录没有按期数排列：第" + std::to_string(n) + "条记录的期数" + std::to_string(at) +
           (at == before ? "与前一条重复" : "小于前一条的" + std::to_string(before)) +
           "。按期数查找的结果可能不对，请在数据更新窗口修改或删除这一期（保存时会重新排序）";
}

std::string mainCaption(const Workspace& ws, bool afterSwitch) {
    if (ws.transform != 0) return ws.current().cpmm + "(变换数据" + std::to_string(ws.transform) + ")";
    return ws.current().cpmm + (afterSwitch ? "(原始数据)" : "");
}

}  // namespace lottodesk
