#include <gtest/gtest.h>

#include "core/fileio.h"
#include "core/gbk.h"
#include "prediction/schemefiles.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

using test::TempFolder;

std::string lines(int count, const std::string& text) {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += text + "\r\n";
    return bytes;
}

TEST(SchemeFiles, MissingFileIsCreatedWithTheDefaultFormula) {
    TempFolder home;
    const SchemeLoad load = loadSchemeFile(home.path(), PageKind::fqtd, 3);
    EXPECT_TRUE(load.problems.empty());
    EXPECT_EQ(load.store.slots, 10);
    EXPECT_EQ(load.store.formula(9, 10), "[-1]z_hw");
    EXPECT_EQ(test::readFile(home.file("save/fqtd3.txt")), lines(100, "[-1]z_hw"));
    for (PageKind kind : {PageKind::hmsh, PageKind::lmsh, PageKind::hmtd, PageKind::hmsw}) {
        const SchemeLoad other = loadSchemeFile(home.path(), kind, 0);
        EXPECT_EQ(test::readFile(schemeFilePath(home.path(), kind, 0)),
                  lines(10 * pageKindInfo(kind).slots, "[-1]z_hw"));
        EXPECT_EQ(other.store.formulas.size(), size_t(10 * pageKindInfo(kind).slots));
    }
}

TEST(SchemeFiles, ShortExtraAndDamagedFilesLoadWhatTheyCan) {
    TempFolder home;
    makeFolders(home.file("save"));
    // Short: 3 lines with every line end; the rest stays empty and the load says so.
    test::writeFile(home.file("save/hmtd0.txt"), "a\r\nb\nc\r");
    SchemeLoad load = loadSchemeFile(home.path(), PageKind::hmtd, 0);
    EXPECT_EQ(load.store.formula(0, 1), "a");
    EXPECT_EQ(load.store.formula(0, 3), "c");
    EXPECT_EQ(load.store.formula(0, 4), "");
    ASSERT_EQ(load.problems.size(), 1u);
    EXPECT_NE(load.problems[0].find("只有3行（应为150行）"), std::string::npos);
    // The short file itself is not rewritten by loading.
    EXPECT_EQ(test::readFile(home.file("save/hmtd0.txt")), "a\r\nb\nc\r");

    // Extra lines are ignored.
    test::writeFile(home.file("save/fqtd0.txt"), lines(100, "x") + "extra\r\n");
    load = loadSchemeFile(home.path(), PageKind::fqtd, 0);
    EXPECT_TRUE(load.problems.empty());
    EXPECT_EQ(load.store.formula(9, 10), "x");

    // A byte that is not GBK is kept and named.
    test::writeFile(home.file("save/hmsw0.txt"), std::string("z_hw\r\n\xff\xffz\r\n") + lines(298, "y"));
    load = loadSchemeFile(home.path(), PageKind::hmsw, 0);
    ASSERT_EQ(load.problems.size(), 1u);
    EXPECT_NE(load.problems[0].find("第2行"), std::string::npos);
    ASSERT_TRUE(saveSchemeFile(home.path(), 0, load.store));
    EXPECT_EQ(test::readFile(home.file("save/hmsw0.txt")).substr(0, 11), std::string("z_hw\r\n\xff\xffz\r\n"));
}

TEST(SchemeFiles, SaveWritesGbkCrLfAndKeepsOneLinePerSlot) {
    TempFolder home;
    SchemeLoad load = loadSchemeFile(home.path(), PageKind::lmsh, 1);
    load.store.formula(0, 1) = "c_2zbzh:z_num1|z_num2:1";
    load.store.formula(0, 2) = "[-1]z_hw\n+1";  // a line end inside would shift later slots
    load.store.formula(1, 1) = "主区";
    ASSERT_TRUE(saveSchemeFile(home.path(), 1, load.store));
    const std::string bytes = test::readFile(home.file("save/lmsh1.txt"));
    EXPECT_EQ(bytes.substr(0, 25), "c_2zbzh:z_num1|z_num2:1\r\n");
    EXPECT_NE(bytes.find(utf8ToGbk("主区") + "\r\n"), std::string::npos);
    const SchemeLoad again = loadSchemeFile(home.path(), PageKind::lmsh, 1);
    EXPECT_TRUE(again.problems.empty());
    EXPECT_EQ(again.store.formula(0, 2), "[-1]z_hw +1");
    EXPECT_EQ(again.store.formula(1, 1), "主区");
    EXPECT_EQ(again.store.formula(9, 60), "[-1]z_hw");
}

// EF BB is a GBK character ("锘"), so a first line may begin with the bytes of a byte-order mark,
// which the reader skips at the start of a file; every kind of file keeps them over a save.
TEST(SchemeFiles, AFirstLineStartingWithByteOrderMarkBytesSavesAndReloadsUnchanged) {
    // Each file starts with a real mark, which the load takes away, and then the first line.
    const std::string starts[] = {
        "\xEF\xBB\xBF",          // the three bytes alone (BF kept as a byte that is not GBK)
        "\xEF\xBB\xBF\xBF\xCF",  // 锘 and a GBK character led by BF
        "\xEF\xBB\xBFz_hw",      // 锘, a kept BF and a formula
    };
    for (const std::string& start : starts) {
        SCOPED_TRACE(::testing::PrintToString(start));
        TempFolder home;
        makeFolders(home.file("save"));
        const std::string scheme = schemeFilePath(home.path(), PageKind::hmsw, 0);
        test::writeFile(scheme, "\xEF\xBB\xBF" + start + "\r\n" + lines(299, "y"));
        SchemeLoad load = loadSchemeFile(home.path(), PageKind::hmsw, 0);
        ASSERT_TRUE(saveSchemeFile(home.path(), 0, load.store));
        const SchemeLoad again = loadSchemeFile(home.path(), PageKind::hmsw, 0);
        EXPECT_EQ(again.store.formulas, load.store.formulas);
        EXPECT_EQ(utf8ToGbkKeeping(again.store.formula(0, 1)), start);
        EXPECT_EQ(again.store.formula(0, 2), "y");

        test::writeFile(home.file("k.scs"), "\xEF\xBB\xBF" + start + "\r\n1\r\n5\r\n");
        const CustomKillLoad kill = loadCustomKillFile(home.file("k.scs"));
        ASSERT_TRUE(kill.ok);
        ASSERT_TRUE(saveCustomKillFile(home.file("k2.scs"), kill.kill));
        const CustomKillLoad killAgain = loadCustomKillFile(home.file("k2.scs"));
        EXPECT_EQ(utf8ToGbkKeeping(killAgain.kill.target), start);
        EXPECT_EQ(killAgain.kill.high, 5);

        ASSERT_TRUE(saveFormulaSet(home.file("set.txt"), {load.store.formula(0, 1), "z_hz"}));
        EXPECT_EQ(loadFormulaSet(home.file("set.txt"), 10).formulas,
                  (std::vector<std::string>{load.store.formula(0, 1), "z_hz"}));
    }
    // An ordinary file gets no mark.
    TempFolder home;
    ASSERT_TRUE(saveFormulaSet(home.file("set.txt"), {"z_hz"}));
    EXPECT_EQ(test::readFile(home.file("set.txt")), "z_hz\r\n");
}

TEST(CustomKillFile, RoundTripAndTheLastCompleteGroupWins) {
    TempFolder home;
    CustomKill kill;
    kill.target = "z_hz";
    kill.low = 21;
    kill.high = 183;
    kill.formula(0, 1) = "[-1]z_hz";
    kill.formula(9, 100) = "和值";
    const std::string path = home.file("a.scs");
    ASSERT_TRUE(saveCustomKillFile(path, kill));
    std::string bytes = test::readFile(path);
    EXPECT_EQ(bytes.substr(0, 25), "z_hz\r\n21\r\n183\r\n[-1]z_hz\r\n");
    CustomKillLoad load = loadCustomKillFile(path);
    ASSERT_TRUE(load.ok);
    EXPECT_TRUE(load.problems.empty());
    EXPECT_EQ(load.kill.target, "z_hz");
    EXPECT_EQ(load.kill.high, 183);
    EXPECT_EQ(load.kill.formula(9, 100), "和值");
    EXPECT_EQ(load.kill.fileName, path);

    // Two groups and a partial third: the second wins, the partial one is ignored.
    std::string second = "z_num1\r\n 1 \r\n33\r\n" + lines(1000, "7");
    test::writeFile(path, bytes + second + "z_hw\r\n0\r\n");
    load = loadCustomKillFile(path);
    EXPECT_EQ(load.kill.target, "z_num1");
    EXPECT_EQ(load.kill.low, 1);
    EXPECT_EQ(load.kill.formula(5, 5), "7");
}

TEST(CustomKillFile, ShortAndMalformedFiles) {
    TempFolder home;
    const std::string path = home.file("b.scs");
    test::writeFile(path, "z_hz\r\nabc\r\n99\r\n[-1]z_hz\r\n");
    CustomKillLoad load = loadCustomKillFile(path);
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.kill.low, 0);
    EXPECT_EQ(load.kill.high, 99);
    EXPECT_EQ(load.kill.formula(0, 1), "[-1]z_hz");
    EXPECT_EQ(load.kill.formula(0, 2), "");
    ASSERT_EQ(load.problems.size(), 2u);
    EXPECT_NE(load.problems[0].find("“abc”不是有效的整数"), std::string::npos);
    EXPECT_NE(load.problems[1].find("只有4行"), std::string::npos);

    test::writeFile(path, "");
    EXPECT_FALSE(loadCustomKillFile(path).ok);
    EXPECT_FALSE(loadCustomKillFile(home.file("missing.scs")).ok);
    EXPECT_FALSE(loadCustomKillFile(home.file("missing.scs")).problems.empty());
}

TEST(FormulaSetFile, ImportReadsUpToTheLimit) {
    TempFolder home;
    const std::string path = home.file("set.txt");
    std::string bytes;
    for (int i = 1; i <= 12; ++i) bytes += "[-" + std::to_string(i) + "]z_hw\r\n";
    test::writeFile(path, bytes);
    FormulaSetLoad load = loadFormulaSet(path, 10);
    ASSERT_TRUE(load.ok);
    ASSERT_EQ(load.formulas.size(), 10u);
    EXPECT_EQ(load.formulas[9], "[-10]z_hw");
    test::writeFile(path, "");
    load = loadFormulaSet(path, 10);
    EXPECT_TRUE(load.ok);
    EXPECT_TRUE(load.formulas.empty());
    ASSERT_TRUE(saveFormulaSet(path, {"a", "主"}));
    EXPECT_EQ(test::readFile(path), "a\r\n" + utf8ToGbk("主") + "\r\n");
    EXPECT_EQ(withExtension("save/x", ".txt"), "save/x.txt");
    EXPECT_EQ(withExtension("save/x.txt.bak", ".txt"), "save/x.txt.bak");
}

}  // namespace
}  // namespace lottodesk
