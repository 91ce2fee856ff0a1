#include "firstrun.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "cpstyle.h"
#include "drawtext.h"
#include "fileio.h"
#include "platform.h"
#include "samples.h"
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

// The text of a sample by file name; nothing when it is missing.
using SampleSource = std::function<std::optional<std::string>(const std::string& name)>;

// Writes the history file of a seeded game unless one exists; `written` says whether it did.
Status seedHistory(const std::string& historyPath, const SampleSource& samples, const std::string& sample,
                   int numbersPerLine, const std::string& location, bool& written) {
    written = false;
    if (fileExists(historyPath)) return Status::success();
    std::optional<std::string> text = samples(sample);
    if (!text) return Status::failure(StatusCode::FileMissing, "找不到样本数据：" + location + sample);
    DrawTextParse parsed = parseDrawText(*text, numbersPerLine);
    if (!parsed.ok()) return Status::failure(StatusCode::BadFileContent, parsed.error);
    // The history file as the store writes it: the records in ascending period order.
    std::stable_sort(parsed.records.begin(), parsed.records.end(),
                     [](const DrawRecord& a, const DrawRecord& b) { return a[0] < b[0]; });
    std::string bytes;
    bytes.reserve(parsed.records.size() * kDrawRecordSize);
    for (const DrawRecord& record : parsed.records)
        bytes.append(reinterpret_cast<const char*>(record.data()), kDrawRecordSize);
    Status saved = saveFileAtomically(historyPath, bytes);
    written = saved.ok;
    return saved;
}

// `location` names where the samples come from in the message about a missing one.
Status seed(const std::string& folder, const SampleSource& samples, const std::string& location) {
    Workspace ws(folder);
    if (fileExists(ws.typeFilePath())) return Status::success();
    if (!makeFolders(ws.path("database")) || !makeFolders(ws.path("save")))
        return Status::failure(StatusCode::FileUnwritable, "无法创建程序文件夹：" + ws.folder);
    // Two programs started together on a new folder: one seeds, the other then finds the type
    // file. The lock is the one every history save takes, so no save lands between the check of a
    // history file and its seeding.
    FolderLock lock(ws.path("database/.lock"));
    if (fileExists(ws.typeFilePath())) return Status::success();
    // All or nothing: a seed that fails part-way (a full disk) takes back the histories it wrote,
    // so the folder never looks seeded without its games and the next start tries again.
    std::vector<std::string> written;
    auto undo = [&](Status failed) {
        for (const std::string& path : written) platform::removeFile(path);
        failed.message = "无法建立新的数据文件夹（" + failed.message + "），请检查磁盘空间和写入权限后重新启动：" + ws.folder;
        return failed;
    };
    TypeTable table = defaultTypeTable();
    for (const SeedGame& game : kSeedGames) {
        tcpstyle& type = table.cpstyles[game.index];
        type.cpmm = game.name;
        type.zhgs = game.zhgs;
        type.zh_to = game.zh_to;
        type.fhgs = game.fhgs;
        type.spec_to = game.spec_to;
        applyZoneLabels(type);
        bool wrote = false;
        Status seeded =
            seedHistory(ws.historyPath(game.index), samples, game.sample, game.zhgs + game.fhgs, location, wrote);
        if (wrote) written.push_back(ws.historyPath(game.index));
        if (!seeded) return undo(seeded);
    }
    // The type file last: it is what marks the folder as seeded.
    if (Status saved = saveTypeTable(ws.typeFilePath(), table); !saved) return undo(saved);
    return Status::success();
}

}  // namespace

Status seedProgramFolder(const std::string& folder) {
    return seed(
        folder,
        [](const std::string& name) -> std::optional<std::string> {
            if (std::optional<std::string_view> text = builtInSample(name)) return std::string(*text);
            return std::nullopt;
        },
        "");
}

Status seedProgramFolder(const std::string& folder, const std::string& samples) {
    return seed(
        folder, [&samples](const std::string& name) { return readWholeFile(samples + "/" + name); }, samples + "/");
}

}  // namespace lottodesk
