#include "s_dm.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <atomic>
#include <numeric>

#include "platform.h"

namespace lottodesk {
namespace {

constexpr int kGrowthStep = 1000;

// A nearly sorted history (one appended record) sorts in one or two bubble passes; past this
// many passes the same stable order is produced by a merge sort instead.
constexpr int kBubblePassLimit = 8;

int roundedCapacity(int n) { return (n / kGrowthStep + 1) * kGrowthStep; }

}  // namespace

DrawRecord defaultDrawRecord() {
    DrawRecord record{};
    record[0] = kDefaultPeriod;
    for (int slot = 1; slot <= 10; ++slot) record[slot] = slot;
    return record;
}

void t_s_dm::touched() {
    // One counter for all stores, so a version is never reused, not even by a store restored
    // from a copy and changed again.
    static std::atomic<uint64_t> counter{0};
    m_version = ++counter;
}

void t_s_dm::say(const std::string& text) {
    m_lastError = text;
    if (m_onMessage) m_onMessage(text);
}

void t_s_dm::resizeStorage(int capacity) {
    m_capacity = capacity;
    m_slots.resize(static_cast<size_t>(capacity + 1) * kSlots, 0);
}

bool t_s_dm::Open() {
    if (!fileExists(m_filename)) {
        const DrawRecord record = defaultDrawRecord();
        saveFileAtomically(m_filename, std::string_view(reinterpret_cast<const char*>(record.data()), kDrawRecordSize));
    }
    return load();
}

bool t_s_dm::load() {
    // Read into new storage, so a failure leaves the store as it was.
    if (const platform::FileInfo info = platform::fileInfo(m_filename); info.kind != platform::FileKind::regular) {
        m_lastError = "无法打开数据文件：" + m_filename;
        return false;
    }
    std::optional<std::string> bytes = readWholeFile(m_filename);
    if (!bytes) {
        m_lastError = "无法读取数据文件：" + m_filename;
        return false;
    }
    // A trailing partial record is not read.
    const int records = static_cast<int>(bytes->size() / kDrawRecordSize);
    const int capacity = records == 0 ? 0 : roundedCapacity(records);
    std::vector<int32_t> slots(static_cast<size_t>(capacity + 1) * kSlots, 0);
    std::memcpy(slots.data() + kSlots, bytes->data(), static_cast<size_t>(records) * kDrawRecordSize);
    m_stamp = FileStamp{true, bytes->size(), 0, contentHash(*bytes)};
    m_slots.swap(slots);
    touched();
    m_capacity = capacity;
    m_count = records;
    m_recno = 0;
    m_bof = m_eof = true;
    SetRecNo(m_count);
    m_lastError.clear();
    return true;
}

int t_s_dm::firstUnorderedRecord() const {
    for (int n = 2; n <= m_count; ++n)
        if (record(n)[0] <= record(n - 1)[0]) return n;
    return 0;
}

void t_s_dm::SetRecNo(int n) {
    if (n < 1 || n > m_count) return;
    m_recno = n;
    m_bof = m_eof = false;
}

void t_s_dm::SetRecordCount(int n) {
    if (n < 0) n = 0;
    if (n >= m_capacity || n < m_capacity - kGrowthStep) {
        const int old = m_capacity;
        resizeStorage(roundedCapacity(n));
        // Records beyond the old count are zero when they come back into use.
        if (m_capacity < old) m_slots.shrink_to_fit();
    }
    if (n < m_count) {
        std::fill(m_slots.begin() + static_cast<ptrdiff_t>(n + 1) * kSlots,
                  m_slots.begin() + static_cast<ptrdiff_t>(std::min(m_count, m_capacity) + 1) * kSlots, 0);
    }
    if (n < m_recno) {
        if (n == 0) {
            m_recno = 0;
            m_bof = m_eof = true;
        } else {
            SetRecNo(n);
        }
    }
    m_count = n;
    touched();
}

int32_t t_s_dm::FieldValueAt(int n, int slot) const {
    assert(n >= 0 && n <= m_count);
    if (slot < 0 || slot >= kSlots) return 0;
    return record(n)[slot];
}

void t_s_dm::setRecord(int n, const DrawRecord& values) {
    assert(n >= 1 && n <= m_count);
    std::memcpy(mutableRecord(n), values.data(), kDrawRecordSize);
    touched();
}

bool t_s_dm::SetFieldValue(int slot, int32_t value) {
    if (slot < 0 || slot >= kSlots) return false;
    switch (m_state) {
    case State::Edit:
        if (m_recno < 1) return false;
        mutableRecord(m_recno)[slot] = value;
        touched();
        return true;
    case State::Key:
        m_keyslot = slot;
        m_keyvalue = value;
        return true;
    case State::Browse: break;
    }
    say(kNotEditingMessage);
    return false;
}

namespace {

// Binary search of records 1..count, ascending in `slot`; 0 when no record holds `value`.
int searchSlot(const t_s_dm& store, int slot, int32_t value) {
    int lo = 1;
    int hi = store.RecordCount();
    while (hi >= lo) {
        const int mid = (lo + hi) / 2;
        const int32_t v = store.record(mid)[slot];
        if (v == value) return mid;
        if (value < v)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return 0;
}

}  // namespace

bool t_s_dm::GotoKey() {
    if (m_state != State::Key) return false;
    const int found = searchSlot(*this, m_keyslot, m_keyvalue);
    if (found == 0) return false;
    SetRecNo(found);
    return true;
}

int t_s_dm::indexOfPeriod(int32_t period) const { return searchSlot(*this, 0, period); }

int t_s_dm::newestRealRecord() const {
    int n = m_count;
    while (n > 0 && FieldValueAt(n, 0) >= kCandidatePeriod) --n;
    return n;
}

std::vector<int32_t> t_s_dm::realPeriods() const {
    std::vector<int32_t> periods;
    const int real = newestRealRecord();
    periods.reserve(static_cast<size_t>(real));
    for (int n = 1; n <= real; ++n) periods.push_back(FieldValueAt(n, 0));
    return periods;
}

void t_s_dm::Append() {
    SetRecordCount(m_count + 1);
    std::fill_n(mutableRecord(m_count), kSlots, 0);
    m_recno = m_count;
    m_state = State::Edit;
    m_bof = m_eof = false;
}

void t_s_dm::sortByPeriod() {
    auto period = [this](int n) { return record(n)[0]; };
    DrawRecord swap;
    for (int pass = 1; pass <= m_count - 1; ++pass) {
        if (pass > kBubblePassLimit) {
            // Same result as finishing the bubble sort: both are stable by period.
            std::vector<int> order(m_count);
            std::iota(order.begin(), order.end(), 1);
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return period(a) < period(b); });
            std::vector<int32_t> sorted(m_slots.size(), 0);
            for (int i = 0; i < m_count; ++i)
                std::memcpy(&sorted[static_cast<size_t>(i + 1) * kSlots], record(order[i]), kDrawRecordSize);
            m_slots.swap(sorted);
            touched();
            return;
        }
        bool swapped = false;
        for (int j = m_count - 1; j >= pass; --j) {
            if (period(j + 1) < period(j)) {
                std::memcpy(swap.data(), record(j), kDrawRecordSize);
                std::memcpy(mutableRecord(j), record(j + 1), kDrawRecordSize);
                std::memcpy(mutableRecord(j + 1), swap.data(), kDrawRecordSize);
                swapped = true;
            }
        }
        if (swapped) touched();
        if (!swapped) break;
    }
}

namespace {

std::string lockPathOf(const std::string& file) {
    const size_t slash = file.rfind('/');
    return (slash == std::string::npos ? std::string() : file.substr(0, slash + 1)) + ".lock";
}

}  // namespace

bool t_s_dm::refusedSave() {
    if (m_saveRefusal.empty()) return false;
    m_conflicted = false;
    m_lastError = m_saveRefusal;
    return true;
}

bool t_s_dm::Post() {
    if (refusedSave()) return false;
    sortByPeriod();
    m_state = State::Browse;
    m_conflicted = false;
    if (m_layer.beforeSave) m_layer.beforeSave();
    FolderLock lock(lockPathOf(m_filename));
    // Another writer replaced the file since it was read: writing now would drop its draws.
    // A file that is gone loses nothing by being written.
    const FileStamp onDisk = m_stamp.exists ? stampOfFile(m_filename) : FileStamp{};
    if (onDisk.exists && !onDisk.sameContent(m_stamp)) {
        m_conflicted = true;
        const bool reloaded = load();
        m_lastError = kChangedOnDiskMessage;
        if (!reloaded) m_lastError += "（无法重新读入：" + m_filename + "）";
        return false;
    }
    std::string_view bytes(reinterpret_cast<const char*>(record(1)), static_cast<size_t>(m_count) * kDrawRecordSize);
    FileLayer layer = m_layer;
    layer.beforeSave = nullptr;  // already run, before the lock
    Status saved = saveFileAtomically(m_filename, bytes, layer);
    m_lastError = saved.message;
    if (saved) m_stamp = FileStamp{true, bytes.size(), 0, contentHash(bytes)};
    return saved.ok;
}

bool t_s_dm::Delete(bool save) {
    if (save && refusedSave()) return false;
    if (m_count == 0 || m_recno < 1) return true;
    if (m_count == 1) {
        m_count = 0;
        m_recno = 0;
        m_bof = m_eof = true;
    } else if (m_recno == m_count) {
        --m_count;
        SetRecNo(m_count);
    } else {
        std::memmove(mutableRecord(m_recno), record(m_recno + 1),
                     static_cast<size_t>(m_count - m_recno) * kDrawRecordSize);
        --m_count;
    }
    std::fill_n(mutableRecord(m_count + 1), kSlots, 0);
    touched();
    return save ? Post() : true;
}

bool t_s_dm::Clear(bool save) {
    if (save && refusedSave()) return false;
    m_slots.assign(kSlots, 0);
    touched();
    m_count = 0;
    m_recno = 0;
    m_capacity = 0;
    m_state = State::Browse;
    m_bof = m_eof = true;
    return save ? Post() : true;
}

void t_s_dm::First() {
    if (m_count == 0) {
        m_bof = m_eof = true;
        return;
    }
    m_recno = 1;
    m_bof = true;
    m_eof = false;
}

void t_s_dm::Last() {
    if (m_count == 0) {
        m_bof = m_eof = true;
        return;
    }
    m_recno = m_count;
    m_eof = true;
    m_bof = false;
}

void t_s_dm::Next() {
    if (m_recno < m_count)
        ++m_recno;
    else
        m_eof = true;
    m_bof = false;
}

void t_s_dm::Prior() {
    if (m_recno < 2)
        m_bof = true;
    else
        --m_recno;
    m_eof = false;
}

int t_s_dm::MoveBy(int n) {
    m_bof = m_eof = false;
    const int old = m_recno;
    const long long target = static_cast<long long>(m_recno) + n;
    if (target > m_count) {
        SetRecNo(m_count);
        m_eof = true;
        return m_count - old;
    }
    if (target >= 1) {
        SetRecNo(static_cast<int>(target));
        return n;
    }
    SetRecNo(1);
    m_bof = true;
    return 1 - old;
}

}  // namespace lottodesk
