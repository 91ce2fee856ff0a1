#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>

#include "core/fileio.h"
#include "core/platform.h"
#include "support/faultyfiles.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

int leftoverTemporaries(const std::string& folder) {
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().find("saving") != std::string::npos) ++n;
    return n;
}

TEST(AtomicSave, ReplacesTheFileWhole) {
    test::TempFolder home;
    const std::string path = home.file("a.txt");
    ASSERT_TRUE(saveFileAtomically(path, "first"));
    ASSERT_TRUE(saveFileAtomically(path, "second version"));
    EXPECT_EQ(test::readFile(path), "second version");
    EXPECT_EQ(leftoverTemporaries(home.path()), 0);
}

TEST(AtomicSave, FailuresLeaveThePreviousFile) {
    test::TempFolder home;
    const std::string path = home.file("a.txt");
    ASSERT_TRUE(saveFileAtomically(path, "kept"));
    const ChunkWriter fullDisk = [](std::FILE* file, std::string_view bytes) {
        std::fwrite(bytes.data(), 1, bytes.size() / 2, file);
        return false;
    };
    Status status = saveFileAtomically(path, "never written", fullDisk);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.code, StatusCode::FileUnwritable);
    EXPECT_EQ(status.message, "文件保存失败：" + path + "（读写设备出错）");
    EXPECT_EQ(test::readFile(path), "kept");
    EXPECT_EQ(leftoverTemporaries(home.path()), 0);

    EXPECT_FALSE(saveFileAtomically(home.file("missing/a.txt"), "x"));
    EXPECT_FALSE(saveFileAtomically(home.file("a.txt/b.txt"), "x"));  // below a regular file
}

TEST(FileRead, MissingFileIsNoValue) {
    test::TempFolder home;
    EXPECT_FALSE(readWholeFile(home.file("nothing")).has_value());
    EXPECT_FALSE(fileExists(home.path()));  // a folder is not a file
}

}  // namespace
}  // namespace lottodesk

namespace lottodesk {
namespace {

using test::FaultyFiles;

// Every file in `folder` whose name holds "saving".
int temporariesIn(const std::string& folder) {
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(platform::fsPath(folder)))
        if (platform::pathText(entry.path().filename()).find("saving") != std::string::npos) ++n;
    return n;
}

TEST(AtomicSave, EveryFaultKeepsThePreviousFileAndSaysWhy) {
    test::TempFolder home;
    const std::string path = home.file("a.txt");
    ASSERT_TRUE(saveFileAtomically(path, "kept"));
    const struct {
        FileLayer layer;
        const char* reason;
    } cases[] = {
        {FaultyFiles::failAfterBytes(3), "读写设备出错"}, {FaultyFiles::fullDisk(), "磁盘空间已满"},
        {FaultyFiles::fullDisk(5), "磁盘空间已满"},       {FaultyFiles::failOnRename(), "不能跨文件系统改名"},
        {FaultyFiles::readOnlyFolder(), "没有写入权限"},
    };
    for (const auto& c : cases) {
        const Status status = saveFileAtomically(path, "never written", c.layer);
        EXPECT_FALSE(status) << c.reason;
        EXPECT_EQ(status.message, "文件保存失败：" + path + "（" + c.reason + "）");
        EXPECT_EQ(test::readFile(path), "kept");
        EXPECT_EQ(temporariesIn(home.path()), 0) << c.reason;
    }
    EXPECT_NE(saveFileAtomically(home.file("missing/a.txt"), "x").message.find("文件夹不存在"), std::string::npos);
}

#ifndef _WIN32  // links, permissions, pipes and devices as POSIX has them
TEST(AtomicSave, WritesThroughSymbolicLinksAndKeepsPermissions) {
    test::TempFolder home;
    const std::string target = home.file("real/basedata0.rec");
    test::writeFile(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    const std::string link = home.file("basedata0.rec");
    std::filesystem::create_symlink("real/basedata0.rec", link);

    ASSERT_TRUE(saveFileAtomically(link, "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(link)) << "the link stays a link";
    EXPECT_EQ(test::readFile(target), "new");
    struct stat st;
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // A new file gets the usual permissions, not those of a private temporary file.
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(saveFileAtomically(home.file("fresh.txt"), "x"));
    ::umask(mask);
    ASSERT_EQ(::stat(home.file("fresh.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

#endif

TEST(AtomicSave, KilledSavesAreCleanedUpAtTheNextSaveOfTheirFile) {
    test::TempFolder home;
    const std::string dead = ".lottodesk-saving-4194000-1";  // a process that no longer runs
    const std::string mine = ".lottodesk-saving-" + std::to_string(platform::processId()) + "-7";
    test::writeFile(home.file("plan.txt" + dead), "half");
    test::writeFile(home.file("plan.txt" + mine), "in progress");
    test::writeFile(home.file("other.txt" + dead), "another file's");
    // A user's own names that only look alike.
    const char* users[] = {"plan.saving", "plan.txt.saving", "plan.txt.saving-4194000-1", "plan.txt.lottodesk-saving-x",
                           "plan.txt.lottodesk-saving-4194000-1.bak", "xplan.txt.lottodesk-saving-4194000-1"};
    for (const char* name : users) test::writeFile(home.file(name), "a user's file");

    ASSERT_TRUE(saveFileAtomically(home.file("plan.txt"), "new"));
    EXPECT_EQ(test::fileSize(home.file("plan.txt" + dead)), -1);
    EXPECT_EQ(test::readFile(home.file("plan.txt" + mine)), "in progress");
    EXPECT_EQ(test::readFile(home.file("other.txt" + dead)), "another file's");  // until other.txt is saved
    for (const char* name : users) EXPECT_EQ(test::readFile(home.file(name)), "a user's file") << name;
    ASSERT_TRUE(saveFileAtomically(home.file("other.txt"), "new"));
    EXPECT_EQ(test::fileSize(home.file("other.txt" + dead)), -1);
}

#ifndef _WIN32
TEST(AtomicSave, OnlyARegularFileIsReplaced) {
    test::TempFolder home;
    ASSERT_EQ(::mkfifo(home.file("pipe").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/null", home.file("device-link"));
    std::filesystem::create_directory(home.file("folder"));
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {home.file("pipe"), kNotRegularFileReason},
        {"/dev/null", kNotRegularFileReason},
        {home.file("device-link"), kNotRegularFileReason},
        {home.file("folder"), "目标是一个文件夹"},
    };
    for (const auto& c : cases) {
        const Status status = saveFileAtomically(c.path, "x");
        EXPECT_FALSE(status) << c.path;
        EXPECT_EQ(status.message, "文件保存失败：" + c.path + "（" + c.reason + "）");
    }
    struct stat st;
    ASSERT_EQ(::lstat(home.file("pipe").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    ASSERT_EQ(::stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_TRUE(std::filesystem::is_symlink(home.file("device-link")));
    EXPECT_EQ(temporariesIn(home.path()), 0);
}
#endif

TEST(AtomicSave, AFolderIsNeverReplaced) {
    test::TempFolder home;
    std::filesystem::create_directory(platform::fsPath(home.file("folder")));
    EXPECT_EQ(saveFileAtomically(home.file("folder"), "x").message, "文件保存失败：" + home.file("folder") + "（目标是一个文件夹）");
    EXPECT_TRUE(std::filesystem::is_directory(platform::fsPath(home.file("folder"))));
}

// Paths are UTF-8 inside the program, also where the system's own code page is another.
TEST(AtomicSave, ChineseFolderAndFileNames) {
    test::TempFolder home;
    const std::string folder = home.file("彩票数据/");
    ASSERT_TRUE(makeFolders(folder));
    ASSERT_TRUE(saveFileAtomically(folder + "双色球.txt", "一"));
    ASSERT_TRUE(saveFileAtomically(folder + "双色球.txt", "二"));
    EXPECT_TRUE(fileExists(folder + "双色球.txt"));
    EXPECT_EQ(readWholeFile(folder + "双色球.txt"), std::optional<std::string>("二"));
    FileStamp seen = stampOfFile(folder + "双色球.txt");
    EXPECT_TRUE(seen.exists);
    EXPECT_TRUE(saveFileUnlessChanged(folder + "双色球.txt", "三", seen));
    EXPECT_EQ(test::readFile(folder + "双色球.txt"), "三");
    EXPECT_EQ(temporariesIn(folder), 0);
}

TEST(AtomicSave, AUserFileChangedByAnotherProgramIsNotOverwritten) {
    test::TempFolder home;
    const std::string path = home.file("selfzb.txt");
    test::writeFile(path, "mine");
    FileStamp seen = stampOfFile(path);
    ASSERT_TRUE(saveFileUnlessChanged(path, "mine, edited", seen));
    EXPECT_EQ(test::readFile(path), "mine, edited");
    ASSERT_TRUE(saveFileUnlessChanged(path, "mine, edited twice", seen)) << "its own save is what it saw";

    // Another program saves in between: the save is refused and its file kept.
    const Status refused =
        saveFileUnlessChanged(path, "lost?", seen, FaultyFiles::concurrentWriter([&] { test::writeFile(path, "theirs"); }));
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.code, StatusCode::FileChanged);
    EXPECT_EQ(refused.message, std::string(kFileChangedMessage) + path);
    EXPECT_EQ(test::readFile(path), "theirs");

    // A file that did not exist when read, created since by another program, is not overwritten either.
    FileStamp none = stampOfFile(home.file("new.txt"));
    test::writeFile(home.file("new.txt"), "theirs");
    EXPECT_FALSE(saveFileUnlessChanged(home.file("new.txt"), "mine", none));
    // A file that is gone loses nothing by being written.
    std::filesystem::remove(path);
    EXPECT_TRUE(saveFileUnlessChanged(path, "mine again", seen));
}

TEST(FileRead, LimitStopsEndlessAndLargeFiles) {
    test::TempFolder home;
    test::writeFile(home.file("big"), std::string(5000, 'x'));
    EXPECT_FALSE(readWholeFile(home.file("big"), 4999).has_value());
    EXPECT_EQ(readWholeFile(home.file("big"), 5000)->size(), 5000u);
    EXPECT_FALSE(readWholeFile("/dev/zero", 1 << 20).has_value());
}

TEST(LineReading, EveryLineEndAndTheByteOrderMark) {
    const std::string text =
        "\xEF\xBB\xBF"
        "one\rtwo\r\nthree\n\nfive\r";
    const std::vector<std::string> expected = {"one", "two", "three", "", "five"};
    std::vector<std::string> split;
    forEachLine(text, [&](std::string_view line) {
        split.emplace_back(line);
        return true;
    });
    EXPECT_EQ(split, expected);

    // The reader gives the same lines, also when a CR LF falls across two blocks.
    test::TempFolder home;
    std::string large(65535, 'a');
    large += "\r\nlast";
    for (const std::string& content : {text, large}) {
        test::writeFile(home.file("t.txt"), content);
        LineReader reader(home.file("t.txt"), 1 << 20);
        std::vector<std::string> lines;
        for (std::string line; reader.next(line);) lines.push_back(line);
        EXPECT_FALSE(reader.tooLarge());
        if (content == text) {
            EXPECT_EQ(lines, expected);
        } else {
            ASSERT_EQ(lines.size(), 2u);
            EXPECT_EQ(lines[1], "last");
        }
    }
    LineReader endless("/dev/zero", 1 << 20);
    std::string line;
    EXPECT_FALSE(endless.next(line));
    EXPECT_TRUE(endless.tooLarge());
}

TEST(FolderLocking, OneWriterAtATime) {
    test::TempFolder home;
    // A second writer (another open of the lock file, as another process has) cannot take the lock
    // while the first holds it, and can once it is released.
    auto secondCanLock = [&] {
#ifdef _WIN32
        HANDLE file = CreateFileW(platform::widen(home.file(".lock")).c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
        OVERLAPPED whole{};
        const bool locked = file != INVALID_HANDLE_VALUE &&
                            LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
#else
        const int fd = ::open(home.file(".lock").c_str(), O_RDWR | O_CLOEXEC);
        const bool locked = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        if (fd >= 0) ::close(fd);
#endif
        return locked;
    };
    {
        FolderLock first(home.file(".lock"));
        EXPECT_TRUE(first.held());
        EXPECT_FALSE(secondCanLock());
    }
    EXPECT_TRUE(secondCanLock());
    FolderLock first(home.file(".lock"));
    EXPECT_TRUE(first.held());
    FolderLock cannot(home.file("missing/.lock"));
    EXPECT_FALSE(cannot.held());
}

}  // namespace
}  // namespace lottodesk
