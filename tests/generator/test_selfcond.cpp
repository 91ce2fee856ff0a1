#include <gtest/gtest.h>

#include <array>

#include "generator/selfcond.h"

namespace lottodesk {
namespace {

using Ticket6 = std::array<int32_t, 6>;

tselfcond group(std::vector<uint8_t> numbers, std::vector<int32_t> allowed, bool tolerant = false,
                bool countOnce = false) {
    tselfcond entry;
    entry.numbers = std::move(numbers);
    entry.allowed = std::move(allowed);
    entry.tolerant = tolerant;
    entry.countOnce = countOnce;
    return entry;
}

// ---------------------------------------------------------------------------------------------
// Evaluation.

TEST(SelfSetCondition, CountsTheGroupNumbersInTheTicket) {
    const tselfcond entry = group({1, 2, 3}, {0, 1});
    struct Case {
        Ticket6 ticket;
        int count;
        bool holds;
    } cases[] = {
        {{1, 2, 10, 20, 30, 33}, 2, false}, {{1, 10, 20, 30, 31, 33}, 1, true}, {{4, 10, 20, 30, 31, 33}, 0, true},
        {{1, 2, 3, 30, 31, 33}, 3, false},  {{33, 3, 20, 10, 30, 31}, 1, true},  // any order
    };
    for (const Case& c : cases) {
        EXPECT_EQ(selfSetCount(entry, c.ticket.data(), 6), c.count) << c.ticket[0] << ' ' << c.ticket[1];
        EXPECT_EQ(selfSetHolds(entry, c.ticket.data(), 6), c.holds) << c.ticket[0] << ' ' << c.ticket[1];
    }
    const Ticket6 any{1, 2, 3, 4, 5, 6};
    EXPECT_FALSE(selfSetHolds(group({1}, {}), any.data(), 6)) << "no allowed count never holds";
    EXPECT_TRUE(selfSetHolds(group({}, {0}), any.data(), 6));
    EXPECT_FALSE(selfSetHolds(group({255}, {1}), any.data(), 6));
}

TEST(TailCondition, CountsNumbersByTheirLastDigit) {
    struct Case {
        tselfcond entry;
        Ticket6 ticket;
        int count;
        bool holds;
    } cases[] = {
        // Group {3}, two allowed, each number counts.
        {group({3}, {2}), {3, 13, 20, 21, 22, 24}, 2, true},
        {group({3}, {2}), {3, 13, 20, 21, 23, 24}, 3, false},
        // Group {3, 5}, two allowed, a digit counts once.
        {group({3, 5}, {2}, false, true), {3, 13, 15, 20, 21, 22}, 2, true},
        {group({3, 5}, {2}, false, true), {3, 13, 20, 21, 22, 23}, 1, false},
        // The same tickets without count-once.
        {group({3, 5}, {2}), {3, 13, 15, 20, 21, 22}, 3, false},
        {group({3, 5}, {2}), {3, 13, 20, 21, 22, 23}, 3, false},
        {group({0}, {1}), {10, 11, 12, 13, 14, 15}, 1, true},
        {group({0, 9}, {0}, false, true), {11, 12, 13, 14, 15, 16}, 0, true},
        {group({12}, {0}), {2, 12, 22, 32, 1, 3}, 0, true},  // not a digit: matches nothing
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tailCount(c.entry, c.ticket.data(), 6), c.count) << c.ticket[0] << ' ' << c.ticket[4];
        EXPECT_EQ(tailHolds(c.entry, c.ticket.data(), 6), c.holds) << c.ticket[0] << ' ' << c.ticket[4];
    }
}

TEST(SelfAndTailConditions, ToleranceRule) {
    const Ticket6 ticket{1, 2, 10, 20, 30, 33};
    MainConditions c = resetConditions(33);
    c.selfSet = {group({1, 2, 3}, {0, 1}, true)};        // fails (2), tolerant
    c.tails = {group({0}, {3}, true), group({3}, {1})};  // passes (3), passes (1)

    struct Case {
        bool selfOn, tailOn;
        bool passes;
        int failures, last;
    } cases[] = {{false, false, true, 0, 0}, {true, false, true, 1, 135}, {true, true, true, 1, 135}};
    for (const Case& k : cases) {
        c.selfSetEnabled = k.selfOn;
        c.tailEnabled = k.tailOn;
        int failures = 0, last = 0;
        EXPECT_EQ(passesSelfAndTailConditions(c, ticket.data(), 6, failures, last), k.passes);
        EXPECT_EQ(failures, k.failures);
        EXPECT_EQ(last, k.last);
    }

    // A tolerated tail failure after a self-set one: the tail's code is the last.
    c.selfSetEnabled = c.tailEnabled = true;
    c.tails.push_back(group({5}, {1}, true));
    int failures = 0, last = 0;
    EXPECT_TRUE(passesSelfAndTailConditions(c, ticket.data(), 6, failures, last));
    EXPECT_EQ(failures, 2);
    EXPECT_EQ(last, 136);

    // A failure that is not tolerated rejects.
    c.tails.push_back(group({4}, {1}));
    failures = 0;
    last = 0;
    EXPECT_FALSE(passesSelfAndTailConditions(c, ticket.data(), 6, failures, last));
    c.tailEnabled = false;
    EXPECT_TRUE(passesSelfAndTailConditions(c, ticket.data(), 6, failures, last));
}

// ---------------------------------------------------------------------------------------------
// Display texts.

TEST(ConditionLines, AllForms) {
    const tselfcond self = group({1, 2, 33}, {0, 1}, true);
    const tselfcond plainSelf = group({7}, {2}, false);
    const tselfcond tail = group({3, 5}, {2}, true, true);
    const tselfcond plainTail = group({0}, {1, 2});
    tselfzbnode tolerant{"z_hz%10", 1, {1, 3}};
    tselfzbnode strict{"z_ac", 0, {7}};

    struct Case {
        std::string actual;
        const char* expected;
    } cases[] = {
        {selfSetLine(self), "号码组: 1  2  33  ;出现个数: 0  1  容错"},
        {selfSetLine(plainSelf), "号码组: 7  ;出现个数: 2  "},
        {tailLine(tail), "尾号组: 3  5  ;出现个数: 2  容错(相同尾数仅计算一次)"},
        {tailLine(plainTail), "尾号组: 0  ;出现个数: 1  2  "},
        {customLineAfterAdd(tolerant), "z_hz%10  容错  取值: 1  3  "},
        {customLineAfterAdd(strict), "z_ac  取值: 7  "},
        {customLineAfterModify(tolerant), "z_hz%10 容错 取值:1  3  "},
        {customLineAfterModify(strict), "z_ac 取值:7  "},
        {selfSetLineAfterLoad(self), "号码组合:1  2  33    出现个数0  1  容错"},
        {selfSetLineAfterLoad(plainSelf), "号码组合:7    出现个数2  "},
        {tailLineAfterLoad(tail), "尾号组:3  5    出现个数2  容错(相同尾数仅计算一次)"},
        {tailLineAfterLoad(plainTail), "尾号组:0    出现个数1  2  "},
        {customLineAfterLoad(tolerant), "z_hz%10  容错  取值：1  3  "},
        {customLineAfterLoad(strict), "z_ac  取值：7  "},
        {valueListText({30, 10, 20}), "30  10  20  "},
        {valueListText({}), ""},
        {boundText(3.0), "3"},
        {boundText(std::nullopt), ""},
        {boundText(-2.0), "-2"},
        {selfSetExportMessage("号码组: 1  ;出现个数: 0  "),
         "过滤条件设置结果是：号码组: 1  ;出现个数: 0  。现已成功导出到超强组号的自设条件中"},
        {customExportMessage("z_ac  取值: 7  "),
         "过滤条件设置结果是：z_ac  取值: 7  。现已成功导出到超强组号的自定义指标条件中"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(ConditionLines, AfterLoadingAFile) {
    MainConditions c = resetConditions(33);
    c.custom.add("z_hz", true, {5});
    c.selfSet = {group({1, 2}, {1})};
    c.tails = {group({9}, {0}, false, true), group({1}, {2})};
    const ConditionLines lines = linesAfterLoad(c);
    EXPECT_EQ(lines.custom, (std::vector<std::string>{"z_hz  容错  取值：5  "}));
    EXPECT_EQ(lines.selfSet, (std::vector<std::string>{"号码组合:1  2    出现个数1  "}));
    EXPECT_EQ(lines.tails,
              (std::vector<std::string>{"尾号组:9    出现个数0  (相同尾数仅计算一次)", "尾号组:1    出现个数2  "}));
}

// ---------------------------------------------------------------------------------------------
// Dialogs and list operations.

TEST(ConditionDialogs, ConfirmationIsRefusedWithoutNumbersOrCounts) {
    struct Case {
        tselfcond entry;
        const char* selfMessage;
        const char* tailMessage;
    } cases[] = {
        {group({}, {}), "未选择号码组应出现的次数", "未选择号码"},
        {group({1}, {}), "未选择号码组应出现的次数", "未选择尾号组应出现的次数"},
        {group({}, {1}), "未选择号码", "未选择号码"},
        {group({1}, {0}), "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(validateSelfSetDialog(c.entry).message, c.selfMessage);
        EXPECT_EQ(validateTailDialog(c.entry).message, c.tailMessage);
        EXPECT_EQ(validateSelfSetDialog(c.entry).ok, std::string(c.selfMessage).empty());
    }
}

TEST(SelfSetList, DeletingTheFirstOfThreeRebuildsTheLines) {
    std::vector<tselfcond> entries;
    std::vector<std::string> lines;
    ASSERT_TRUE(addSelfSet(entries, lines, group({1}, {0})));
    ASSERT_TRUE(addSelfSet(entries, lines, group({2}, {1})));
    ASSERT_TRUE(addSelfSet(entries, lines, group({3}, {1}, true)));
    // Lines as a file load left them, to see that the delete rebuilds every one.
    lines = {"a", "b", "c"};
    ASSERT_TRUE(deleteSelfSet(entries, lines, 0));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].numbers, (std::vector<uint8_t>{2}));
    EXPECT_EQ(entries[1].numbers, (std::vector<uint8_t>{3}));
    EXPECT_EQ(lines, (std::vector<std::string>{"号码组: 2  ;出现个数: 1  ", "号码组: 3  ;出现个数: 1  容错"}));
}

TEST(SelfSetList, ModifyAndDeleteNeedASelection) {
    std::vector<tselfcond> entries{group({1}, {0})};
    std::vector<std::string> lines{selfSetLine(entries[0])};
    for (int index : {-1, 1, 7}) {
        EXPECT_EQ(modifySelfSet(entries, lines, index, group({9}, {9})).message,
                  "请先在中间的列表框中选择一项要修改的数据");
        EXPECT_EQ(deleteSelfSet(entries, lines, index).message, "请先在中间的列表框中选择一项要删除的数据");
        EXPECT_EQ(modifyTail(entries, lines, index, group({9}, {9})).message,
                  "请先在中间的列表框中选择一项要修改的数据");
        EXPECT_EQ(deleteTail(entries, lines, index).message, "请先在中间的列表框中选择一项要删除的数据");
    }
    EXPECT_EQ(entries.size(), 1u);
    ASSERT_TRUE(modifySelfSet(entries, lines, 0, group({4, 5}, {2}, true)));
    EXPECT_EQ(entries[0].numbers, (std::vector<uint8_t>{4, 5}));
    EXPECT_EQ(lines, (std::vector<std::string>{"号码组: 4  5  ;出现个数: 2  容错"}));
}

TEST(ConditionLists, AddingBeyondTheCapacityIsRefused) {
    std::vector<tselfcond> selfSet;
    std::vector<std::string> selfLines;
    for (int i = 0; i < 400; ++i) ASSERT_TRUE(addSelfSet(selfSet, selfLines, group({1}, {0})));
    const Status refused = addSelfSet(selfSet, selfLines, group({1}, {0}));
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.message, "最多可添加400注自设条件");
    EXPECT_EQ(selfSet.size(), 400u);
    EXPECT_EQ(selfLines.size(), 400u);

    std::vector<tselfcond> tails;
    std::vector<std::string> tailLines;
    for (int i = 0; i < 50; ++i) ASSERT_TRUE(addTail(tails, tailLines, group({1}, {0})));
    EXPECT_EQ(addTail(tails, tailLines, group({1}, {0})).message, "最多可添加50注尾数条件");
    EXPECT_EQ(tails.size(), 50u);

    tselfzb custom;
    std::vector<std::string> customLines;
    for (int i = 0; i < 400; ++i) ASSERT_TRUE(addCustom(custom, customLines, "z_hz", false, {1}).added);
    const CustomAdd full = addCustom(custom, customLines, "z_hz", false, {1});
    EXPECT_FALSE(full.added);
    EXPECT_EQ(full.message, "最多可添加400注自定义指标条件");
    EXPECT_EQ(custom.count(), 400);
    EXPECT_EQ(customLines.size(), 400u);

    tfqgl_selfzb zone;
    std::vector<std::string> zoneLines;
    for (int i = 0; i < 50; ++i) ASSERT_TRUE(addCustom(zone, zoneLines, "f_hz", false, {1}).added);
    EXPECT_EQ(addCustom(zone, zoneLines, "f_hz", false, {1}).message, "最多可添加50注自定义指标条件");
}

TEST(CustomList, AddModifyDelete) {
    tselfzb list;
    std::vector<std::string> lines;
    const CustomAdd blank = addCustom(list, lines, "   ", true, {1});
    EXPECT_FALSE(blank.added);
    EXPECT_TRUE(blank.message.empty()) << "an empty formula is ignored";
    EXPECT_EQ(list.count(), 0);

    ASSERT_TRUE(addCustom(list, lines, " z_hz%10 ", true, {4, 2}).added);
    ASSERT_TRUE(addCustom(list, lines, "z_ac", false, {7}).added);
    ASSERT_TRUE(addCustom(list, lines, "z_dsgs", false, {3}).added);
    EXPECT_EQ(lines, (std::vector<std::string>{"z_hz%10  容错  取值: 4  2  ", "z_ac  取值: 7  ", "z_dsgs  取值: 3  "}));

    EXPECT_EQ(modifyCustom(list, lines, -1, {1}, true).message, "请先在自定义指标列表框中选择一项要修改的条件");
    // An empty value set never fails a ticket: refused as the other lists refuse theirs.
    const CustomAdd empty = addCustom(list, lines, "z_hz", false, {});
    EXPECT_FALSE(empty.added);
    EXPECT_EQ(empty.message, "未选择指标的取值");
    EXPECT_EQ(modifyCustom(list, lines, 1, {}, true).message, "未选择指标的取值");
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list[1].values, std::vector<int32_t>{7});
    EXPECT_EQ(deleteCustom(list, lines, 3).message, "请先在自定义指标列表框中选择一项要删除的条件");

    ASSERT_TRUE(modifyCustom(list, lines, 1, {8, 9}, true));
    EXPECT_EQ(list[1].formula, "z_ac");
    EXPECT_EQ(list[1].values, (std::vector<int32_t>{8, 9}));
    EXPECT_EQ(list[1].tolerant, 1);
    EXPECT_EQ(lines[1], "z_ac 容错 取值:8  9  ");

    ASSERT_TRUE(deleteCustom(list, lines, 0));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list[0].formula, "z_ac");
    EXPECT_EQ(list[1].formula, "z_dsgs");
    EXPECT_EQ(lines, (std::vector<std::string>{"z_ac 容错 取值:8  9  ", "z_dsgs  取值: 3  "}))
        << "the other lines stay as they were";
}

}  // namespace
}  // namespace lottodesk
