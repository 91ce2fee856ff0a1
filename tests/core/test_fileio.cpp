#include <gtest/gtest.h>

#include "core/fileio.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

TEST(AtomicSave, ReplacesTheFileWhole) {
    test::TempFolder home;
    const std::string path = home.file("a.txt");
    ASSERT_TRUE(saveFileAtomically(path, "first"));
    ASSERT_TRUE(saveFileAtomically(path, "second version"));
    EXPECT_EQ(test::readFile(path), "second version");
    EXPECT_EQ(test::fileSize(path + ".saving"), -1);
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
    EXPECT_EQ(status.message, "文件保存失败：" + path + "（读写设备出错）");
    EXPECT_EQ(test::readFile(path), "kept");
    EXPECT_EQ(test::fileSize(path + ".saving"), -1);

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
