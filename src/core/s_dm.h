#pragma once
// t_s_dm: the draw history held in memory like a one-table database. Records are numbered from 1;
// a cursor (`recno`) with begin/end flags walks them; `Post` sorts by period and rewrites the file.
//
// History file ("database/basedata<type>.rec"): 204-byte records, no header, ascending period
// after every save. A record is 51 little-endian int32 slots:
//   slot 0            period, seven digits (year + draw number of the year)
//   slots 1..zhgs     main numbers
//   next fhgs slots   secondary numbers
//   slot 10           in memory, also the auxiliary value of the indicator analysis
//   other slots       no meaning for the draw
//
// Not thread-safe for writes; concurrent read-only use of one store (record(), FieldValueAt())
// is safe.
//
// Several processes (two desktop programs, a desktop program and the command line) may share one
// history file. A save holds the lock of the file's folder ("<folder>/.lock") and replaces the
// file only when it still holds what this store last read or wrote; otherwise the save is refused
// with kChangedOnDiskMessage and the store reloads the file, so no writer's draws are lost.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <optional>

#include "cpstyle.h"
#include "fileio.h"

namespace lottodesk {

constexpr int kSlots = 51;
constexpr size_t kDrawRecordSize = kSlots * sizeof(int32_t);  // 204
constexpr int32_t kPredictionPeriod = 9999999;                // "预测区": the next, undrawn period
constexpr int32_t kCandidatePeriod = 9999998;                 // the generator's temporary candidate row
constexpr int32_t kDefaultPeriod = 2008001;

using DrawRecord = std::array<int32_t, kSlots>;

// The record a missing history file is created with: 2008001, slots 1..10 = 1..10, rest 0.
DrawRecord defaultDrawRecord();

// The message shown when a field is written in browse state.
inline constexpr const char* kNotEditingMessage = "现在不是修改状态，不能修改字段值";
// The refusal of a save after another program changed the history file.
inline constexpr const char* kChangedOnDiskMessage =
    "数据文件已被其他程序修改（例如同时运行的另一个本软件），本次修改没有保存；已重新读入最新的数据，请重新操作";

class t_s_dm {
public:
    // 0 edit: field writes go into the current record; 1 key: they set the search key; 2 browse: refused.
    enum class State : uint8_t { Edit = 0, Key = 1, Browse = 2 };

    void SetFileName(std::string path) { m_filename = std::move(path); }
    const std::string& FileName() const { return m_filename; }

    // Loads the whole file, creating it with the default record when missing. False (store
    // unchanged, lastError() set) when the file cannot be created or read.
    bool Open();

    int RecordCount() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }
    int RecNo() const { return m_recno; }
    void SetRecNo(int n);
    void SetRecordCount(int n);

    int32_t FieldValue(int slot) const { return FieldValueAt(m_recno, slot); }
    // Edit state writes the current record, key state sets the search key; browse state refuses
    // with kNotEditingMessage and returns false.
    bool SetFieldValue(int slot, int32_t value);

    void SetKey() { m_state = State::Key; }
    bool GotoKey();
    void Edit() { m_state = State::Edit; }
    void Append();
    // Sorts by period (stable) and rewrites the file. On a failed write the previous file stays
    // intact, the records in memory are kept and false is returned with lastError() set. When
    // another program changed the file since this store read it, nothing is written, the store
    // reloads the file (lastSaveConflicted() is then true) and false is returned.
    bool Post();
    bool lastSaveConflicted() const { return m_conflicted; }
    // While a refusal is set, every save (Post, Delete or Clear with saving) changes nothing in
    // memory or on disk and returns false with the refusal as lastError(). The data transform sets
    // it: the numbers it puts in memory must never reach the user's history file. Open() keeps it.
    void setSaveRefusal(std::string message) { m_saveRefusal = std::move(message); }
    const std::string& saveRefusal() const { return m_saveRefusal; }
    // Removes the current record; with `save`, then Post (returns Post's result).
    bool Delete(bool save);
    bool Clear(bool save);

    void First();
    void Last();
    void Next();
    void Prior();
    int MoveBy(int n);
    bool Bof() const { return m_bof; }
    bool Eof() const { return m_eof; }

    State state() const { return m_state; }
    // Changes with every change of the records (values, count, order); equal versions mean equal
    // records, so results computed from the store can be kept per version.
    uint64_t version() const { return m_version; }
    int capacity() const { return m_capacity; }
    const std::string& lastError() const { return m_lastError; }

    // Direct, cursor-free access for the engine's hot paths. n in 0..count (0 is an all-zero row).
    const int32_t* record(int n) const { return m_slots.data() + static_cast<size_t>(n) * kSlots; }
    int32_t FieldValueAt(int n, int slot) const;
    // The record holding `period` by the same binary search as GotoKey, without touching the
    // cursor or the state; 0 when none does.
    int indexOfPeriod(int32_t period) const;
    // The last record that is a real draw, before a prediction or candidate record; 0 when none.
    int newestRealRecord() const;
    // The periods of the real draws, ascending: the period lists offered to the user.
    std::vector<int32_t> realPeriods() const;
    void setRecord(int n, const DrawRecord& values);

    // Receives the messages the store shows the user (writes in browse state).
    void setMessageHandler(std::function<void(const std::string&)> handler) { m_onMessage = std::move(handler); }
    // Replaces the byte writer of Post (tests simulate a full disk with it).
    void setWriterForTesting(ChunkWriter writer) { m_layer.write = std::move(writer); }
    // Replaces the file calls of Post (tests inject faults with it).
    void setFileLayerForTesting(FileLayer layer) { m_layer = std::move(layer); }

    // The game the history belongs to: the paths that add draws check them against it. Set by the
    // workspace when it opens a type's history; a store without rules checks only the period.
    void setDrawRules(std::optional<DrawRules> rules) { m_rules = std::move(rules); }
    const std::optional<DrawRules>& drawRules() const { return m_rules; }

    // The first record whose period is not greater than the one before it (out of order or
    // repeated), 0 when the periods ascend strictly.
    int firstUnorderedRecord() const;

private:
    int32_t* mutableRecord(int n) { return m_slots.data() + static_cast<size_t>(n) * kSlots; }
    void resizeStorage(int capacity);
    void sortByPeriod();
    void say(const std::string& text);
    void touched();
    bool load();
    bool refusedSave();

    std::vector<int32_t> m_slots = std::vector<int32_t>(kSlots, 0);  // record 0 + capacity records
    State m_state = State::Browse;
    bool m_eof = true;
    bool m_bof = true;
    std::string m_filename;
    int m_count = 0;
    int m_recno = 0;
    int m_capacity = 0;
    int m_keyslot = 0;
    int32_t m_keyvalue = 0;
    std::string m_lastError;
    std::function<void(const std::string&)> m_onMessage;
    FileLayer m_layer;
    FileStamp m_stamp;  // the file as this store last read or wrote it
    bool m_conflicted = false;
    std::string m_saveRefusal;
    std::optional<DrawRules> m_rules;
    uint64_t m_version = 0;
};

}  // namespace lottodesk
