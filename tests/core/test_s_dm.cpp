#include <gtest/gtest.h>

#include <filesystem>

#include <algorithm>
#include <cstring>
#include <random>

#include "core/s_dm.h"
#include "support/faultyfiles.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

using test::TempFolder;

std::string recordBytes(const std::vector<DrawRecord>& records) {
    std::string bytes(records.size() * kDrawRecordSize, '\0');
    for (size_t i = 0; i < records.size(); ++i)
        std::memcpy(&bytes[i * kDrawRecordSize], records[i].data(), kDrawRecordSize);
    return bytes;
}

DrawRecord draw(int32_t period, int first = 1) {
    DrawRecord r{};
    r[0] = period;
    for (int i = 1; i <= 7; ++i) r[i] = first + i - 1;
    return r;
}

std::vector<int32_t> periodsOf(const t_s_dm& store) {
    std::vector<int32_t> periods;
    for (int n = 1; n <= store.RecordCount(); ++n) periods.push_back(store.FieldValueAt(n, 0));
    return periods;
}

std::vector<int32_t> periodsInFile(const std::string& path) {
    const std::string bytes = test::readFile(path);
    std::vector<int32_t> periods;
    for (size_t at = 0; at + kDrawRecordSize <= bytes.size(); at += kDrawRecordSize) {
        int32_t p;
        std::memcpy(&p, &bytes[at], 4);
        periods.push_back(p);
    }
    return periods;
}

class DrawStore : public ::testing::Test {
protected:
    // A store over a history file holding the given periods.
    void openWith(const std::vector<int32_t>& periods) {
        std::vector<DrawRecord> records;
        for (int32_t p : periods) records.push_back(draw(p, static_cast<int>(records.size()) + 1));
        test::writeFile(path, recordBytes(records));
        store.SetFileName(path);
        ASSERT_TRUE(store.Open());
    }

    TempFolder home;
    std::string path = home.file("basedata0.rec");
    t_s_dm store;
};

TEST_F(DrawStore, NewStoreIsEmptyInBrowseState) {
    EXPECT_EQ(store.RecordCount(), 0);
    EXPECT_EQ(store.RecNo(), 0);
    EXPECT_EQ(store.state(), t_s_dm::State::Browse);
    EXPECT_TRUE(store.Bof());
    EXPECT_TRUE(store.Eof());
    EXPECT_EQ(store.FieldValue(0), 0);
}

TEST_F(DrawStore, OpeningAMissingFileCreatesTheDefaultRecord) {
    store.SetFileName(path);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(test::fileSize(path), 204);
    EXPECT_EQ(store.RecordCount(), 1);
    EXPECT_EQ(store.RecNo(), 1);
    EXPECT_FALSE(store.Bof());
    EXPECT_FALSE(store.Eof());
    EXPECT_EQ(store.FieldValue(0), 2008001);
    for (int slot = 1; slot <= 10; ++slot) EXPECT_EQ(store.FieldValue(slot), slot);
    for (int slot = 11; slot <= 50; ++slot) EXPECT_EQ(store.FieldValue(slot), 0);
}

TEST_F(DrawStore, OpenLoadsInFileOrderWithTheCursorOnTheLastRecord) {
    openWith({2009003, 2009001, 2009002});
    EXPECT_EQ(periodsOf(store), (std::vector<int32_t>{2009003, 2009001, 2009002}));
    EXPECT_EQ(store.RecNo(), 3);
    EXPECT_EQ(store.FieldValue(1), 3);
    EXPECT_EQ(store.state(), t_s_dm::State::Browse);
}

TEST_F(DrawStore, TrailingPartialRecordIsNotRead) {
    std::string bytes = recordBytes({draw(2010001), draw(2010002)});
    bytes += std::string(100, '\x7f');
    test::writeFile(path, bytes);
    store.SetFileName(path);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(periodsOf(store), (std::vector<int32_t>{2010001, 2010002}));
}

TEST_F(DrawStore, OpenFailureKeepsThePreviousRecords) {
    openWith({2011001, 2011002});
    const std::string blocked = home.file("basedata0.rec/inside.rec");  // below a regular file
    store.SetFileName(blocked);
    EXPECT_FALSE(store.Open());
    EXPECT_NE(store.lastError().find(blocked), std::string::npos);
    EXPECT_EQ(periodsOf(store), (std::vector<int32_t>{2011001, 2011002}));
}

TEST_F(DrawStore, WalksReadEveryRecordOnce) {
    struct Case {
        std::vector<int32_t> periods;
    } cases[] = {{{}}, {{2012001}}, {{2012001, 2012002, 2012003}}};
    for (const Case& c : cases) {
        t_s_dm s;
        s.SetFileName(path);
        test::writeFile(path, "");
        ASSERT_TRUE(s.Open());
        for (int32_t p : c.periods) {
            s.Append();
            s.SetFieldValue(0, p);
        }
        std::vector<int32_t> forward, backward;
        s.First();
        while (!s.Eof()) {
            forward.push_back(s.FieldValue(0));
            s.Next();
        }
        s.Last();
        while (!s.Bof()) {
            backward.push_back(s.FieldValue(0));
            s.Prior();
        }
        EXPECT_EQ(forward, c.periods);
        std::reverse(backward.begin(), backward.end());
        EXPECT_EQ(backward, c.periods);
    }
}

TEST_F(DrawStore, FindByPeriodLeavesKeyState) {
    openWith({2013001, 2013002, 2013003, 2013004, 2013005});
    store.SetKey();
    store.SetFieldValue(0, 2013002);
    ASSERT_TRUE(store.GotoKey());
    EXPECT_EQ(store.RecNo(), 2);
    EXPECT_EQ(store.state(), t_s_dm::State::Key);
    // Still in key state: the write sets the key instead of the record.
    store.SetFieldValue(0, 2013004);
    EXPECT_EQ(store.FieldValue(0), 2013002);
    ASSERT_TRUE(store.GotoKey());
    EXPECT_EQ(store.RecNo(), 4);

    store.SetFieldValue(0, 2013009);
    EXPECT_FALSE(store.GotoKey());
    EXPECT_EQ(store.RecNo(), 4);

    store.Edit();
    EXPECT_FALSE(store.GotoKey());  // outside key state it does nothing
    store.SetFieldValue(3, 33);
    EXPECT_EQ(store.FieldValue(3), 33);
}

TEST_F(DrawStore, WritesInBrowseStateAreRefusedWithAMessage) {
    openWith({2014001});
    std::vector<std::string> shown;
    store.setMessageHandler([&](const std::string& text) { shown.push_back(text); });
    EXPECT_FALSE(store.SetFieldValue(1, 99));
    EXPECT_EQ(store.FieldValue(1), 1);
    EXPECT_EQ(shown, std::vector<std::string>{"现在不是修改状态，不能修改字段值"});
}

TEST_F(DrawStore, DeleteMovesTheCursorByItsRules) {
    openWith({1, 2, 3, 4});
    store.SetRecNo(2);
    store.Delete(false);  // middle: cursor stays on the successor
    EXPECT_EQ(periodsOf(store), (std::vector<int32_t>{1, 3, 4}));
    EXPECT_EQ(store.RecNo(), 2);
    EXPECT_EQ(store.FieldValue(0), 3);

    store.Last();
    store.Delete(false);  // last: cursor on the new last, flags cleared
    EXPECT_EQ(store.RecNo(), 2);
    EXPECT_FALSE(store.Eof());
    EXPECT_FALSE(store.Bof());

    store.Delete(false);
    store.Delete(false);  // the only record
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_EQ(store.RecNo(), 0);
    EXPECT_TRUE(store.Bof());
    EXPECT_TRUE(store.Eof());
    store.Delete(false);  // empty: nothing
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_EQ(periodsInFile(path), (std::vector<int32_t>{1, 2, 3, 4})) << "no save without the flag";
}

TEST_F(DrawStore, DeleteWithSaveRewritesTheFile) {
    openWith({1, 2, 3});
    store.SetRecNo(1);
    ASSERT_TRUE(store.Delete(true));
    EXPECT_EQ(periodsInFile(path), (std::vector<int32_t>{2, 3}));
}

TEST_F(DrawStore, PostSortsByPeriodAndKeepsTheCursorNumber) {
    openWith({2015001, 2015002, 2015003});
    store.Append();
    store.SetFieldValue(0, 2014150);
    store.SetFieldValue(1, 7);
    EXPECT_EQ(store.RecNo(), 4);
    ASSERT_TRUE(store.Post());
    EXPECT_EQ(store.state(), t_s_dm::State::Browse);
    EXPECT_EQ(store.RecNo(), 4);
    EXPECT_EQ(store.FieldValue(0), 2015003);
    EXPECT_EQ(periodsInFile(path), (std::vector<int32_t>{2014150, 2015001, 2015002, 2015003}));
    EXPECT_EQ(store.FieldValueAt(1, 1), 7);
}

TEST_F(DrawStore, PredictionRecordSortsLastAndEqualPeriodsKeepTheirOrder) {
    openWith({kPredictionPeriod, 2016002, 2016001, 2016002});
    ASSERT_TRUE(store.Post());
    EXPECT_EQ(periodsOf(store), (std::vector<int32_t>{2016001, 2016002, 2016002, kPredictionPeriod}));
    EXPECT_EQ(store.FieldValueAt(2, 1), 2);  // the first 2016002 of the file stays first
    EXPECT_EQ(store.FieldValueAt(3, 1), 4);
}

TEST_F(DrawStore, HeavilyUnsortedHistorySortsStably) {
    std::mt19937 random(7);
    std::vector<int32_t> periods;
    for (int i = 0; i < 3000; ++i) periods.push_back(2000000 + static_cast<int32_t>(random() % 500));
    openWith(periods);
    std::vector<std::pair<int32_t, int32_t>> expected;  // (period, slot 1 = original position)
    for (int n = 1; n <= store.RecordCount(); ++n)
        expected.emplace_back(store.FieldValueAt(n, 0), store.FieldValueAt(n, 1));
    std::stable_sort(expected.begin(), expected.end(), [](auto a, auto b) { return a.first < b.first; });
    ASSERT_TRUE(store.Post());
    for (int n = 1; n <= store.RecordCount(); ++n) {
        ASSERT_EQ(store.FieldValueAt(n, 0), expected[n - 1].first);
        ASSERT_EQ(store.FieldValueAt(n, 1), expected[n - 1].second);
    }
}

TEST_F(DrawStore, ClearWithSaveLeavesAnEmptyFileThatReopensEmpty) {
    openWith({2017001, 2017002});
    ASSERT_TRUE(store.Clear(true));
    EXPECT_EQ(test::fileSize(path), 0);
    t_s_dm again;
    again.SetFileName(path);
    ASSERT_TRUE(again.Open());
    EXPECT_TRUE(again.IsEmpty());
    EXPECT_TRUE(again.Bof() && again.Eof());
}

TEST_F(DrawStore, MoveByClampsAndReportsTheDistanceMoved) {
    openWith({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    struct Case {
        int from, by, expectedRecno, expectedResult;
        bool bof, eof;
    } cases[] = {
        {5, 3, 8, 3, false, false},  {5, -4, 1, -4, false, false},  {5, 9, 10, 5, false, true},
        {5, -9, 1, -4, true, false}, {10, -12, 1, -9, true, false}, {1, 0, 1, 0, false, false},
    };
    for (const Case& c : cases) {
        store.SetRecNo(c.from);
        EXPECT_EQ(store.MoveBy(c.by), c.expectedResult) << c.from << " by " << c.by;
        EXPECT_EQ(store.RecNo(), c.expectedRecno);
        EXPECT_EQ(store.Bof(), c.bof);
        EXPECT_EQ(store.Eof(), c.eof);
    }
}

TEST_F(DrawStore, RecordCountGrowsInStepsOf1000AndNewRecordsAreZero) {
    openWith({1, 2, 3});
    EXPECT_EQ(store.capacity(), 1000);
    store.SetRecordCount(2500);
    EXPECT_EQ(store.capacity(), 3000);
    EXPECT_EQ(store.FieldValueAt(2500, 0), 0);
    store.SetRecordCount(2);  // drops record 3 and moves the cursor onto the new count
    EXPECT_EQ(store.capacity(), 1000);
    EXPECT_EQ(store.RecNo(), 2);
    store.SetRecordCount(3);
    EXPECT_EQ(store.FieldValueAt(3, 0), 0) << "a record that comes back is zero";
    store.SetRecordCount(0);
    EXPECT_EQ(store.RecNo(), 0);
    EXPECT_TRUE(store.Bof() && store.Eof());
}

TEST_F(DrawStore, FailedSaveKeepsThePreviousFileAndTheRecordsInMemory) {
    openWith({2018001, 2018002});
    const std::string before = test::readFile(path);
    store.Append();
    store.SetFieldValue(0, 2018003);
    // A disk that fills up after 300 bytes.
    store.setWriterForTesting([](std::FILE* file, std::string_view bytes) {
        std::fwrite(bytes.data(), 1, std::min<size_t>(bytes.size(), 300), file);
        return bytes.size() <= 300;
    });
    EXPECT_FALSE(store.Post());
    EXPECT_NE(store.lastError().find(path), std::string::npos);
    EXPECT_EQ(test::readFile(path), before);
    for (const auto& entry : std::filesystem::directory_iterator(home.path()))
        EXPECT_EQ(entry.path().filename().string().find("saving"), std::string::npos) << "temporary file removed";
    EXPECT_EQ(store.RecordCount(), 3);

    store.setWriterForTesting(writeAllBytes);
    EXPECT_TRUE(store.Post());
    EXPECT_EQ(periodsInFile(path), (std::vector<int32_t>{2018001, 2018002, 2018003}));
}

TEST_F(DrawStore, SaveIntoAMissingFolderFails) {
    openWith({2019001});
    store.SetFileName(home.file("no/such/folder/basedata0.rec"));
    store.Edit();
    EXPECT_FALSE(store.Post());
    EXPECT_FALSE(store.lastError().empty());
}

TEST_F(DrawStore, PredictionRecordPattern) {
    openWith({2020001, 2020002});
    store.Append();
    store.SetFieldValue(0, kPredictionPeriod);
    store.SetFieldValue(1, 5);
    store.SetKey();
    store.SetFieldValue(0, kPredictionPeriod);
    ASSERT_TRUE(store.GotoKey());
    store.Delete(false);
    EXPECT_EQ(periodsOf(store), (std::vector<int32_t>{2020001, 2020002}));
    EXPECT_EQ(periodsInFile(path), (std::vector<int32_t>{2020001, 2020002}));
}

}  // namespace
}  // namespace lottodesk

namespace lottodesk {
namespace {

TEST(DrawStoreVersion, ChangesWithEveryChangeOfTheRecords) {
    test::TempFolder home;
    t_s_dm store;
    store.SetFileName(home.file("h.rec"));
    ASSERT_TRUE(store.Open());
    std::vector<uint64_t> seen = {store.version()};
    auto changed = [&] {
        const bool fresh = std::find(seen.begin(), seen.end(), store.version()) == seen.end();
        seen.push_back(store.version());
        return fresh;
    };
    store.Append();
    EXPECT_TRUE(changed());
    store.SetFieldValue(0, 2000001);
    EXPECT_TRUE(changed());
    store.Post();  // sorts the new record in front
    EXPECT_TRUE(changed());
    store.SetRecNo(1);
    store.First();
    store.SetKey();
    store.SetFieldValue(0, 2008001);
    store.GotoKey();
    EXPECT_FALSE(changed()) << "moving and searching change nothing";
    t_s_dm copy = store;
    store.Delete(false);
    EXPECT_TRUE(changed());
    store = copy;  // restored: same records, same version as before the delete
    EXPECT_EQ(store.version(), seen[seen.size() - 2]);
    store.Clear(false);
    EXPECT_TRUE(changed());
}

}  // namespace
}  // namespace lottodesk

namespace lottodesk {
namespace {

// Another program saving the same history file between this store's reading and its save.
TEST_F(DrawStore, ASaveAfterAnotherWriterIsRefusedAndReloads) {
    openWith({2020001, 2020002});
    t_s_dm other;
    other.SetFileName(path);
    ASSERT_TRUE(other.Open());

    other.Append();
    other.setRecord(other.RecNo(), draw(2020003));
    ASSERT_TRUE(other.Post()) << other.lastError();

    store.Append();
    store.setRecord(store.RecNo(), draw(2020004));
    EXPECT_FALSE(store.Post());
    EXPECT_TRUE(store.lastSaveConflicted());
    EXPECT_EQ(store.lastError(), kChangedOnDiskMessage);
    EXPECT_EQ(periodsInFile(path), (std::vector<int32_t>{2020001, 2020002, 2020003})) << "the other draw is kept";
    EXPECT_EQ(periodsOf(store), (std::vector<int32_t>{2020001, 2020002, 2020003})) << "reloaded";

    // Now in step with the file, the store saves again.
    store.Append();
    store.setRecord(store.RecNo(), draw(2020004));
    EXPECT_TRUE(store.Post()) << store.lastError();
    EXPECT_FALSE(store.lastSaveConflicted());
    EXPECT_EQ(periodsInFile(path), (std::vector<int32_t>{2020001, 2020002, 2020003, 2020004}));

    // The other store's copy is now the stale one.
    other.Delete(false);
    EXPECT_FALSE(other.Post());
    EXPECT_EQ(periodsInFile(path).size(), 4u);
}

TEST_F(DrawStore, AWriterThatStrikesDuringTheSaveIsNotOverwritten) {
    openWith({2020001});
    bool struck = false;
    store.setFileLayerForTesting(test::FaultyFiles::concurrentWriter([&] {
        if (struck) return;
        struck = true;
        t_s_dm other;
        other.SetFileName(path);
        ASSERT_TRUE(other.Open());
        other.Append();
        other.setRecord(other.RecNo(), draw(2020002));
        ASSERT_TRUE(other.Post());
    }));
    store.Append();
    store.setRecord(store.RecNo(), draw(2020003));
    EXPECT_FALSE(store.Post());
    EXPECT_EQ(periodsInFile(path), (std::vector<int32_t>{2020001, 2020002}));
    EXPECT_TRUE(store.Post()) << "the hook struck once; the reloaded store saves";
}

TEST_F(DrawStore, FaultsOfTheFileLayerKeepFileAndRecords) {
    openWith({2018001, 2018002});
    const std::string before = test::readFile(path);
    for (const FileLayer& layer : {test::FaultyFiles::fullDisk(300), test::FaultyFiles::failOnRename(),
                                   test::FaultyFiles::readOnlyFolder(), test::FaultyFiles::failAfterBytes(0)}) {
        store.setFileLayerForTesting(layer);
        store.Append();
        store.setRecord(store.RecNo(), draw(2018003));
        EXPECT_FALSE(store.Post());
        EXPECT_FALSE(store.lastSaveConflicted());
        EXPECT_NE(store.lastError().find("（"), std::string::npos) << "says why: " << store.lastError();
        EXPECT_EQ(test::readFile(path), before);
        store.SetRecNo(store.RecordCount());
        store.Delete(false);
    }
    store.setFileLayerForTesting(FileLayer{});
    EXPECT_TRUE(store.Post()) << "a failed save does not count as another writer";
}

TEST_F(DrawStore, OutOfOrderPeriodsAreFound) {
    openWith({2020001, 2020003, 2020002});
    EXPECT_EQ(store.firstUnorderedRecord(), 3);
    openWith({2020001, 2020001});
    EXPECT_EQ(store.firstUnorderedRecord(), 2);
    openWith({2020001, 2020002});
    EXPECT_EQ(store.firstUnorderedRecord(), 0);
}

}  // namespace
}  // namespace lottodesk
