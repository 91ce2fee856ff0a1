#include <gtest/gtest.h>

#include <filesystem>

#include "core/settingsfile.h"
#include "core/usersettings.h"
#include "support/tempfolder.h"

#ifdef _WIN32
#include <windows.h>

#include "core/platform.h"
#endif

namespace lottodesk {
namespace {

using test::TempFolder;
using test::writeFile;

// A file as the desktop program's settings library writes it, with what a user may have edited in.
TEST(SettingsFile, ReadsTheTopLevelValues) {
    const std::string text =
        "\xEF\xBB\xBF[General]\r\n"
        "qs=12\r\n"
        "coldcs = 3 \r\n"
        "; a comment\r\n"
        "dataserver=\"http://a.example:8080/x, y\"\r\n"
        "inform=\\x4e2d\\x5956\\n\\\"ok\\\"\r\n"
        "downloadie=@@at$\r\n"
        "%U51B7=7\r\n"
        "blob=@ByteArray(abc)\r\n"
        "other=@Variant(\\0\\0\\0\\x7f)\r\n"
        "list=a, b\r\n"
        "group\\inner=1\r\n"
        "no equals sign\r\n"
        "[drawsources]\r\n"
        "hotcs=99\r\n";
    const std::map<std::string, std::string> expected = {
        {"qs", "12"},        {"coldcs", "3"},       {"dataserver", "http://a.example:8080/x, y"},
        {"inform", "中奖\n\"ok\""}, {"downloadie", "@at$"}, {"冷", "7"},
        {"blob", "abc"},
    };
    EXPECT_EQ(parseSettingsFile(text), expected);
}

TEST(SettingsFile, DamagedTextGivesWhatCanBeRead) {
    const std::pair<std::string, std::map<std::string, std::string>> cases[] = {
        {"", {}},
        {"qs=5", {{"qs", "5"}}},                       // no section: top level
        {"[General\nqs=5", {}},                        // a broken section header is another section
        {"=5\n[General]\n%zz=1\n%U12=2", {{"%zz", "1"}, {"%U12", "2"}}},
        {"[General]\nqs=\"12\nx=\\", {{"qs", "12"}, {"x", "\\"}}},  // an open quote ends with its line
        {std::string("[General]\nqs=1\0\xFF", 16), {{"qs", std::string("1\0\xFF", 3)}}},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(parseSettingsFile(text), expected) << text;
}

TEST(UserSettings, NumbersAndTextsAndReadOnly) {
    TempFolder folder;
    writeFile(folder.file("lottodesk.conf"), "[General]\nqs=12\nhotcs=x\nf_qs= 20 \n");
    UserSettings settings = UserSettings::fromFile(folder.file("lottodesk.conf"));
    EXPECT_EQ(settings.readInt("qs"), 12);
    EXPECT_EQ(settings.readInt("hotcs"), std::nullopt) << "not a number: the default applies";
    EXPECT_EQ(settings.readInt("f_qs"), 20);
    const ColdHotSettings loaded = loadColdHotSettings(settings);
    EXPECT_EQ(loaded, (ColdHotSettings{12, 2, 8, 20, 0, 2}));
    settings.writeInt("qs", 40);
    EXPECT_EQ(settings.readInt("qs"), 40);
    EXPECT_EQ(test::readFile(folder.file("lottodesk.conf")), "[General]\nqs=12\nhotcs=x\nf_qs= 20 \n")
        << "the reader never writes the user's file";
}

TEST(UserSettings, TheOldFileServesUntilTheNewOneExists) {
    TempFolder folder;
    const SettingsFiles files = settingsFilesFor(folder.path() + "config", "/home/nobody");
    EXPECT_EQ(files.current, folder.path() + "config/lottodesk/lottodesk.conf");
    EXPECT_EQ(files.legacy, folder.path() + "config/duvuzizezid.conf");
    EXPECT_EQ(UserSettings::fromFile(files.current, files.legacy).readInt("qs"), std::nullopt) << "no files";
    test::writeFile(files.legacy, "[General]\nqs=9\n");
    EXPECT_EQ(UserSettings::fromFile(files.current, files.legacy).readInt("qs"), 9);
    ASSERT_TRUE(std::filesystem::create_directories(folder.path() + "config/lottodesk"));
    test::writeFile(files.current, "[General]\ncoldcs=1\n");
    UserSettings current = UserSettings::fromFile(files.current, files.legacy);
    EXPECT_EQ(current.readInt("qs"), std::nullopt);
    EXPECT_EQ(current.readInt("coldcs"), 1);
}

TEST(UserSettings, ConfigFolderFollowsTheXdgRule) {
    EXPECT_EQ(settingsFilesFor("", "/home/a").current, "/home/a/.config/lottodesk/lottodesk.conf");
    EXPECT_EQ(settingsFilesFor("relative", "/home/a").legacy, "/home/a/.config/duvuzizezid.conf");
#ifndef _WIN32
    EXPECT_EQ(settingsFilesFor("/x/cfg", "/home/a").current, "/x/cfg/lottodesk/lottodesk.conf");
#endif
}

#ifdef _WIN32
// The registry as the desktop program's settings library writes it: numbers as REG_DWORD, texts as
// REG_SZ; a key of the test's own, removed afterwards, so the user's key is never touched.
TEST(UserSettings, ReadsTheRegistryKey) {
    const std::string key = "Software\\lottodesk-test-" + std::to_string(GetCurrentProcessId());
    const std::wstring wideKey = platform::widen(key);
    HKEY handle;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, wideKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    const DWORD qs = 12;
    RegSetValueExW(handle, L"qs", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&qs), sizeof qs);
    const std::wstring text = platform::widen("http://数据.example/");
    RegSetValueExW(handle, L"dataserver", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    const std::wstring old = L"7";  // an older writer kept numbers as texts
    RegSetValueExW(handle, L"hotcs", 0, REG_SZ, reinterpret_cast<const BYTE*>(old.c_str()),
                   static_cast<DWORD>((old.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);

    UserSettings settings = UserSettings::fromRegistry(key);
    RegDeleteTreeW(HKEY_CURRENT_USER, wideKey.c_str());
    EXPECT_EQ(settings.readInt("qs"), 12);
    EXPECT_EQ(settings.readInt("hotcs"), 7);
    EXPECT_EQ(settings.readString("dataserver"), "http://数据.example/");
    EXPECT_EQ(UserSettings::fromRegistry(key).readInt("qs"), std::nullopt) << "a missing key has no values";
}
#endif

}  // namespace
}  // namespace lottodesk
