#pragma once
// The program folder and the input files of the command-line fuzz targets, made once per process
// in a memory folder: a seeded program folder whose histories are cut to their last 40 draws (so
// every command is quick), and beside it a working folder (the current directory) with small input
// files of each kind. After every run the two folders are put back as they were made: files a
// command wrote or removed are restored, new files and folders go.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/fileio.h"
#include "core/s_dm.h"
#include "generator/condfile.h"
#include "memfolder.h"

namespace lottodesk::fuzz {

class CliFolder {
public:
    static CliFolder& instance() {
        static CliFolder folder;
        return folder;
    }

    const std::string& home() const { return m_home; }
    const std::string& work() const { return m_work; }
    // The periods of type 0's history (ascending).
    const std::vector<int32_t>& periods() const { return m_periods; }

    // runCli on the program folder: "--home" and the folder, then `args`.
    int run(const std::vector<std::string>& args, std::string* outText = nullptr, std::string* errText = nullptr) {
        std::vector<std::string> full{"--home", m_home};
        full.insert(full.end(), args.begin(), args.end());
        std::ostringstream out, err;
        // The command runs in the working folder; the fuzzer's own folder (its corpus and the
        // files it writes) is the current one again afterwards.
        const int previous = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (previous < 0 || chdir(m_work.c_str()) != 0) std::abort();
        const int code = runCli(full, out, err);
        if (fchdir(previous) != 0) std::abort();
        close(previous);
        if (outText) *outText = out.str();
        if (errText) *errText = err.str();
        restore();
        return code;
    }

private:
    CliFolder() {
        const std::string& base = workFolder("cli", {"home", "work"});
        // The commands read the desktop program's settings: never the user's own.
        ::setenv("XDG_CONFIG_HOME", (base + "config").c_str(), 1);
        m_home = base + "home/";
        m_work = base + "work/";
        std::ostringstream out, err;
        if (runCli({"--home", m_home, "types"}, out, err) != 0) std::abort();  // seeds the folder
        for (const auto& entry : std::filesystem::directory_iterator(m_home + "database")) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("basedata", 0) != 0 || entry.path().extension() != ".rec") continue;
            const std::optional<std::string> bytes = readWholeFile(entry.path().string());
            if (!bytes) std::abort();
            const size_t keep = std::min(bytes->size(), size_t{40} * kDrawRecordSize);
            write(entry.path().string(), bytes->substr(bytes->size() - keep));
        }
        writeInputs();
        m_saved.clear();
        for (const auto& entry : std::filesystem::recursive_directory_iterator(base)) {
            if (entry.is_regular_file())
                m_saved[entry.path().string()] = {*readWholeFile(entry.path().string()), stampOf(entry.path().string())};
            m_known.insert(entry.path().string());
        }
        t_s_dm history;
        history.SetFileName(m_home + "database/basedata0.rec");
        if (!history.Open()) std::abort();
        m_periods = history.realPeriods();
        m_base = base;
    }

    static void write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }

    void writeInputs() {
        MainConditions main = resetConditions(33);
        main.rows[1].enabled = true;  // 大数个数
        main.rows[1].allowed = {2, 3};
        main.rows[3].enabled = main.rows[3].tolerant = true;  // 质数个数, tolerant
        main.rows[3].allowed = {1, 2};
        write(m_work + "a.zh", encodeMainConditions(main, 33));
        write(m_work + "b.fzh", encodeSecondaryConditions(SecondaryConditions{}, 12));
        write(m_work + "c.lzh", encodeSpecialNumberConditions(SpecialNumberConditions{}));
        write(m_work + "r.txt", "01 02 03 04 05 06 \r\n03 08 12 19 25 31 \r\n07 07 08 09 10 11 \r\n");
        write(m_work + "s.txt", "01 02 \r\n05 11 \r\n");
        write(m_work + "t.txt", "01 02 03 04 05 06 + 07\r\n08 09 10 11 12 13 + 16\r\n");
        write(m_work + "l.txt", "01 02 03 04 05 06 \r\n");
        write(m_work + "d.txt", "2026097 01 02 03 04 05 06 07\r\n2026098 05 06 07 08 09 10 11\r\n");
        write(m_work + "f.txt", "z_hz%10\r\n[-1]z_hw\r\nz_ac\r\n");
        write(m_work + "k.scs", "z_hw\r\n0\r\n9\r\n[-1]z_hw\r\n");
    }

    void restore() {
        std::vector<std::filesystem::path> extra;
        std::error_code ec;
        for (auto it = std::filesystem::recursive_directory_iterator(m_base, ec);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            if (ec) break;
            if (!m_known.count(it->path().string())) {
                extra.push_back(it->path());
                if (it->is_directory()) it.disable_recursion_pending();
            }
        }
        for (const auto& path : extra) std::filesystem::remove_all(path, ec);
        for (auto& [path, saved] : m_saved) {
            if (stampOf(path) == saved.stamp) continue;
            std::filesystem::remove_all(path, ec);
            std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
            write(path, saved.bytes);
            saved.stamp = stampOf(path);
        }
    }

    // A file is as it was made while its inode, size and modification time are: every save
    // replaces the inode, and a write in place changes the time.
    struct Stamp {
        ino_t inode = 0;
        off_t size = -1;
        int64_t modified = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stampOf(const std::string& path) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
        return {st.st_ino, st.st_size, int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec};
    }
    struct Saved {
        std::string bytes;
        Stamp stamp;
    };

    std::string m_base, m_home, m_work;
    std::map<std::string, Saved> m_saved;
    std::set<std::string> m_known;
    std::vector<int32_t> m_periods;
};

}  // namespace lottodesk::fuzz
