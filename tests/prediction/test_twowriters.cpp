// Two copies of the program on one folder: a save of a user's file never replaces what the other
// copy saved since this one read it. The save is refused, the file read again, nothing lost.
#include <gtest/gtest.h>

#include "core/fileio.h"
#include "core/gbktext.h"
#include "formula/selfzb.h"
#include "prediction/schemefiles.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

TEST(TwoWriters, CustomIndicatorsOfTheOtherCopyAreKept) {
    test::TempFolder home;
    std::vector<std::string> mine = loadSelfzbLines(home.path());
    std::vector<std::string> theirs = loadSelfzbLines(home.path());
    ASSERT_TRUE(addSelfzb(home.path(), theirs, "z_hz+1", "theirs"));

    const Status added = addSelfzb(home.path(), mine, "z_hz+2", "mine");
    EXPECT_FALSE(added);
    EXPECT_EQ(added.message, std::string(kFileChangedMessage) + selfzbPath(home.path()));
    EXPECT_EQ(mine, theirs) << "the list shows the file as it is now";
    EXPECT_EQ(loadSelfzbLines(home.path()), theirs);

    // Repeated on the fresh list, the change lands beside the other copy's.
    ASSERT_TRUE(addSelfzb(home.path(), mine, "z_hz+2", "mine"));
    EXPECT_EQ(loadSelfzbLines(home.path()).size(), 2u);
    EXPECT_FALSE(deleteSelfzb(home.path(), theirs, 0)) << "theirs is now the stale copy";
    EXPECT_EQ(loadSelfzbLines(home.path()).size(), 2u);
}

TEST(TwoWriters, SchemesOfTheOtherCopyAreKept) {
    test::TempFolder home;
    SchemeStore mine = loadSchemeFile(home.path(), PageKind::hmsh, 0).store;
    SchemeStore theirs = loadSchemeFile(home.path(), PageKind::hmsh, 0).store;
    theirs.formula(0, 1) = "z_num1";
    ASSERT_TRUE(saveSchemeFile(home.path(), 0, theirs));
    ASSERT_TRUE(saveSchemeFile(home.path(), 0, theirs)) << "a copy's own save is what it saw";

    mine.formula(0, 2) = "z_num2";
    const Status saved = saveSchemeFile(home.path(), 0, mine);
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.message.rfind(kFileChangedMessage, 0), 0u) << saved.message;
    EXPECT_EQ(loadSchemeFile(home.path(), PageKind::hmsh, 0).store.formula(0, 1), "z_num1");
}

TEST(TwoWriters, TheNotepadKeepsTheOtherCopysText) {
    test::TempFolder home;
    const std::string path = home.file("notepad.txt");
    GbkText read = readGbkText(path, true);
    ASSERT_TRUE(saveGbkTextUnlessChanged(path, "第一行\n", read.stamp));
    GbkText other = readGbkText(path, true);
    ASSERT_TRUE(saveGbkTextUnlessChanged(path, "另一个程序\n", other.stamp));
    EXPECT_FALSE(saveGbkTextUnlessChanged(path, "本程序\n", read.stamp));
    EXPECT_EQ(readGbkText(path).text, "另一个程序\n");
}

}  // namespace
}  // namespace lottodesk
