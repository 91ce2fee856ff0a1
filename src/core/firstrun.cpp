#include "firstrun.h"

#include "cpstyle.h"
#include "drawtext.h"
#include "fileio.h"
#include "s_dm.h"
#include "workspace.h"

namespace lottodesk {
namespace {

struct SeedGame {
    int index;
    const char* name;
    uint8_t zhgs, zh_to, fhgs, spec_to;
    const char* sample;
};

constexpr SeedGame kSeedGames[] = {
    {0, "双色球", 6, 33, 1, 16, "ssq.txt"},
    {1, "超级大乐透", 5, 35, 2, 12, "dlt.txt"},
};

Status seedHistory(const std::string& historyPath, const std::string& samplePath, int numbersPerLine) {
    if (fileExists(historyPath)) return Status::success();
    std::optional<std::string> text = readWholeFile(samplePath);
    if (!text) return Status::failure("找不到样本数据：" + samplePath);
    DrawTextParse parsed = parseDrawText(*text, numbersPerLine);
    if (!parsed.ok()) return Status::failure(parsed.error);
    t_s_dm store;
    store.SetFileName(historyPath);
    store.Clear(false);
    for (const DrawRecord& record : parsed.records) {
        store.Append();
        store.setRecord(store.RecNo(), record);
    }
    if (!store.Post()) return Status::failure(store.lastError());
    return Status::success();
}

}  // namespace

Status seedProgramFolder(const std::string& folder, const std::string& samples) {
    Workspace ws(folder);
    if (fileExists(ws.typeFilePath())) return Status::success();
    if (!makeFolders(ws.path("database")) || !makeFolders(ws.path("save")))
        return Status::failure("无法创建程序文件夹：" + ws.folder);
    TypeTable table = defaultTypeTable();
    for (const SeedGame& game : kSeedGames) {
        tcpstyle& type = table.cpstyles[game.index];
        type.cpmm = game.name;
        type.zhgs = game.zhgs;
        type.zh_to = game.zh_to;
        type.fhgs = game.fhgs;
        type.spec_to = game.spec_to;
        applyZoneLabels(type);
        Status seeded = seedHistory(ws.historyPath(game.index), samples + "/" + game.sample, game.zhgs + game.fhgs);
        if (!seeded) return seeded;
    }
    // The type file last: a seed that stopped part-way is completed by the next one.
    return saveTypeTable(ws.typeFilePath(), table);
}

}  // namespace lottodesk
