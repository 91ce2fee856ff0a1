#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/programfolder.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

TEST(ProgramFolder, ChoosesByTheFolderRules) {
    test::TempFolder root;
    const std::string portable = root.file("portable");
    const std::string installed = root.file("usr/bin");
    const std::string data = root.file("data");
    std::filesystem::create_directories(portable + "/database");
    std::filesystem::create_directories(installed);
    struct Case {
        const char* what;
        FolderEnvironment env;
        std::string folder;
        FolderRule rule;
    };
    const Case cases[] = {
        {"LOTTODESK_HOME wins over a portable folder",
         {root.file("mine"), portable, data},
         root.file("mine/"),
         FolderRule::Environment},
        {"LOTTODESK_HOME is made absolute and normal",
         {root.file("a/../mine/"), installed, data},
         root.file("mine/"),
         FolderRule::Environment},
        {"an executable beside database/ is portable", {"", portable, data}, portable + "/", FolderRule::Portable},
        {"an installed executable uses the per-user folder",
         {"", installed, data},
         data + "/lottodesk/",
         FolderRule::PerUser},
        {"the per-user folder need not exist yet",
         {"", installed, root.file("nowhere/share/")},
         root.file("nowhere/share/lottodesk/"),
         FolderRule::PerUser},
        {"no per-user folder known: the executable's", {"", installed, ""}, installed + "/", FolderRule::Portable},
    };
    for (const Case& c : cases) {
        const ProgramFolderChoice choice = chooseProgramFolder(c.env);
        EXPECT_EQ(choice.folder, c.folder) << c.what;
        EXPECT_EQ(choice.rule, c.rule) << c.what;
        EXPECT_FALSE(describeFolderRule(choice.rule).empty());
    }
    EXPECT_FALSE(std::filesystem::exists(data)) << "choosing creates nothing";
}

#ifndef _WIN32  // the XDG rules; Windows takes the user's application data folder
TEST(ProgramFolder, PerUserFolderFollowsXdgDataHome) {
    // The suites run with XDG_DATA_HOME and LOTTODESK_HOME set by the test runner, never on the
    // user's own folder; this test sets both itself.
    test::TempFolder root;
    const std::string saved = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    const std::string savedHome = std::getenv("LOTTODESK_HOME") ? std::getenv("LOTTODESK_HOME") : "";
    unsetenv("LOTTODESK_HOME");
    setenv("XDG_DATA_HOME", root.file("xdg").c_str(), 1);
    EXPECT_EQ(currentFolderEnvironment().userDataHome, root.file("xdg"));
    setenv("XDG_DATA_HOME", "relative/share", 1);  // ignored, as the XDG rules say
    EXPECT_NE(currentFolderEnvironment().userDataHome, "relative/share");
    setenv("LOTTODESK_HOME", root.file("home").c_str(), 1);
    EXPECT_EQ(defaultProgramFolder(), root.file("home/"));
    setenv("XDG_DATA_HOME", saved.c_str(), 1);
    setenv("LOTTODESK_HOME", savedHome.c_str(), 1);
}
#endif

}  // namespace
}  // namespace lottodesk
