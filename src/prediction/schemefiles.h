#pragma once
// The files of the fix-and-kill pages: the scheme file of a page kind per lottery type, the custom
// kill definition (".scs") and formula-set files. All are GBK text with CR LF line ends, written
// atomically; a short or damaged file loads what it can and the load names the problem.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/fileio.h"

#include "core/status.h"
#include "pagekind.h"

namespace lottodesk {

// The formula every slot of a new scheme file holds: z_hw of the previous draw.
inline constexpr const char* kDefaultSchemeFormula = "[-1]z_hw";

// The ten schemes of a page: slot k (1-based) of scheme s (0-based) is formulas[s * slots + k - 1].
struct SchemeStore {
    PageKind kind = PageKind::hmsh;
    int slots = 0;
    std::vector<std::string> formulas;  // kSchemeCount * slots texts, possibly empty
    FileStamp stamp;                    // the scheme file as read or last saved

    explicit SchemeStore(PageKind k = PageKind::hmsh);
    const std::string& formula(int scheme, int slot) const { return formulas[index(scheme, slot)]; }
    std::string& formula(int scheme, int slot) { return formulas[index(scheme, slot)]; }
    // Slots 1..count of a scheme.
    std::vector<std::string> firstFormulas(int scheme, int count) const;

private:
    size_t index(int scheme, int slot) const { return static_cast<size_t>(scheme * slots + slot - 1); }
};

// "<folder>save/<code><type>.txt".
std::string schemeFilePath(const std::string& programFolder, PageKind kind, int type);

struct SchemeLoad {
    SchemeStore store;
    std::vector<std::string> problems;  // what the user should be told (short, unreadable, undecodable)
};

// Reads the scheme file of a page kind for lottery type `type`. A missing file is created with every
// slot holding kDefaultSchemeFormula (a failed creation is a problem; the defaults stay in memory).
// Missing lines leave empty slots; extra lines are ignored.
SchemeLoad loadSchemeFile(const std::string& programFolder, PageKind kind, int type);
// Writes the scheme file unless another program (a second copy of this one on the same folder)
// saved it since it was read: then nothing is written, the message says so (kFileChangedMessage)
// and the caller reads the file again.
Status saveSchemeFile(const std::string& programFolder, int type, SchemeStore& store);

// The custom kill definition of the "自定义杀号" page.
struct CustomKill {
    static constexpr int kSlots = 100;
    std::string target;  // the indicator or formula whose values are killed
    int32_t low = 0;
    int32_t high = 0;
    std::vector<std::string> formulas = std::vector<std::string>(kSchemeCount * kSlots);
    std::string fileName;  // where it was loaded from or saved to; empty for a new one

    const std::string& formula(int scheme, int slot) const {
        return formulas[static_cast<size_t>(scheme * kSlots + slot - 1)];
    }
    std::string& formula(int scheme, int slot) { return formulas[static_cast<size_t>(scheme * kSlots + slot - 1)]; }
    std::vector<std::string> firstFormulas(int scheme, int count) const;
};

struct CustomKillLoad {
    bool ok = false;  // false: nothing usable was read (the file could not be read or was empty)
    CustomKill kill;
    std::vector<std::string> problems;
};

// Reads a ".scs" file: the target, the range low and high, then the 1000 slots scheme-major. The
// file may repeat that 1003-line group; the last complete group wins. A file without a complete
// group loads what it has.
CustomKillLoad loadCustomKillFile(const std::string& path);
Status saveCustomKillFile(const std::string& path, const CustomKill& kill);

struct FormulaSetLoad {
    bool ok = false;
    std::vector<std::string> formulas;
    std::vector<std::string> problems;
};

// The first `limit` lines of a formula-set file (one formula per line).
FormulaSetLoad loadFormulaSet(const std::string& path, int limit);
Status saveFormulaSet(const std::string& path, const std::vector<std::string>& formulas);

// A file name from a save dialog: ".txt" (or the given extension) appended when the name does not
// contain it anywhere.
std::string withExtension(std::string name, std::string_view extension);

}  // namespace lottodesk
