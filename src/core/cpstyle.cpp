#include "cpstyle.h"

#include <algorithm>

#include "fileio.h"
#include "gbk.h"

namespace lottodesk {
namespace {

constexpr size_t kNameOffset = 1;
constexpr size_t kBytesOffset = 52;
constexpr size_t kZhnameOffset = 60;
constexpr size_t kSpecnameOffset = 111;

void putText(std::string& record, size_t offset, const std::string& utf8) {
    const std::string encoded = utf8ToGbk(utf8);
    const std::string_view gbk = truncateGbk(encoded, kTypeTextBytes);
    record[offset] = static_cast<char>(gbk.size());
    std::copy(gbk.begin(), gbk.end(), record.begin() + offset + 1);
}

std::string getText(std::string_view record, size_t offset) {
    size_t length = std::min<size_t>(static_cast<unsigned char>(record[offset]), kTypeTextBytes);
    return gbkToUtf8(record.substr(offset + 1, length));
}

}  // namespace

std::string fitTypeText(const std::string& utf8) {
    const std::string encoded = utf8ToGbk(utf8);
    return gbkToUtf8(truncateGbk(encoded, kTypeTextBytes));
}

tcpstyle defaultType(int index) {
    tcpstyle type;
    type.cpmm = "自定义彩种" + std::to_string(index);
    return type;
}

TypeTable defaultTypeTable() {
    TypeTable table;
    for (int i = 0; i < kTypeCount; ++i) table.cpstyles[i] = defaultType(i);
    return table;
}

std::string encodeTypeRecord(const tcpstyle& type, uint8_t startcp) {
    std::string record(kTypeRecordSize, '\0');
    record[0] = static_cast<char>(startcp);
    putText(record, kNameOffset, type.cpmm);
    const uint8_t bytes[8] = {type.zhgs,      type.zh_from, type.zh_to,   type.fhgs,
                              type.spec_from, type.spec_to, type.hasspec, type.ltorsz};
    std::copy(std::begin(bytes), std::end(bytes), record.begin() + kBytesOffset);
    putText(record, kZhnameOffset, type.zhname);
    putText(record, kSpecnameOffset, type.specname);
    return record;
}

tcpstyle decodeTypeRecord(std::string_view record) {
    tcpstyle type;
    type.cpmm = getText(record, kNameOffset);
    auto byte = [&](size_t i) { return static_cast<uint8_t>(record[kBytesOffset + i]); };
    type.zhgs = byte(0);
    type.zh_from = byte(1);
    type.zh_to = byte(2);
    type.fhgs = byte(3);
    type.spec_from = byte(4);
    type.spec_to = byte(5);
    type.hasspec = byte(6);
    type.ltorsz = byte(7);
    type.zhname = getText(record, kZhnameOffset);
    type.specname = getText(record, kSpecnameOffset);
    return type;
}

std::string encodeTypeTable(const TypeTable& table) {
    std::string bytes;
    bytes.reserve(kTypeRecordSize * kTypeCount);
    for (const tcpstyle& type : table.cpstyles) bytes += encodeTypeRecord(type, table.startcp);
    return bytes;
}

TypeTableLoad loadTypeTable(const std::string& path) {
    TypeTableLoad load;
    load.table = defaultTypeTable();
    if (!fileExists(path)) {
        Status saved = saveFileAtomically(path, encodeTypeTable(load.table));
        load.created = saved.ok;
        load.recordsRead = kTypeCount;
        if (!saved) load.message = saved.message;
        return load;
    }
    // Only the 21 records are read; a file much larger is no type file (and never fills memory).
    std::optional<std::string> bytes = readWholeFile(path, size_t{1} << 20);
    if (!bytes) {
        load.message = "彩种文件无法读取，使用默认彩种：" + path;
        return load;
    }
    load.recordsRead = static_cast<int>(std::min<size_t>(bytes->size() / kTypeRecordSize, kTypeCount));
    std::string_view view(*bytes);
    for (int i = 0; i < load.recordsRead; ++i)
        load.table.cpstyles[i] = decodeTypeRecord(view.substr(i * kTypeRecordSize, kTypeRecordSize));
    if (load.recordsRead > 0) load.table.startcp = static_cast<uint8_t>(view[0]);
    if (load.recordsRead < kTypeCount)
        load.message =
            "彩种文件不完整（只有" + std::to_string(load.recordsRead) + "个彩种），其余彩种使用默认设置：" + path;
    for (int i = 0; i < load.recordsRead; ++i) {
        tcpstyle& type = load.table.cpstyles[i];
        const std::string name = type.cpmm;
        if (const std::string fields = fitType(type); !fields.empty()) {
            if (!load.message.empty()) load.message += '\n';
            load.message += "彩种文件中第" + std::to_string(i) + "个彩种“" + name + "”的设置超出范围（" + fields +
                            "），已改为可用的值";
        }
    }
    return load;
}

namespace {

// Clamps `value` into lo..hi; appends `name` to `fields` when it changed.
void fit(uint8_t& value, int lo, int hi, const char* name, std::string& fields) {
    const int fitted = std::clamp<int>(value, lo, hi);
    if (fitted == value) return;
    value = static_cast<uint8_t>(fitted);
    if (fields.find(name) != std::string::npos) return;
    if (!fields.empty()) fields += "、";
    fields += name;
}

// A range `from`..`to` within 0..49, upwards, holding at least `count` numbers.
void fitRange(uint8_t& from, uint8_t& to, int count, const char* name, std::string& fields) {
    fit(from, 0, 49, name, fields);
    fit(to, 0, 49, name, fields);
    uint8_t low = std::min(from, to);
    uint8_t high = std::max(from, to);
    if (high - low + 1 < count) {
        high = static_cast<uint8_t>(std::min(49, low + count - 1));
        low = static_cast<uint8_t>(high - count + 1);
    }
    fit(from, low, low, name, fields);
    fit(to, high, high, name, fields);
}

}  // namespace

std::string fitType(tcpstyle& type) {
    std::string fields;
    fit(type.zhgs, 1, 7, "主号个数", fields);
    fit(type.fhgs, 0, 7, "副号个数", fields);
    fit(type.hasspec, 0, 1, "是否有特别号码", fields);
    fit(type.ltorsz, 0, 1, "类型", fields);
    fitRange(type.zh_from, type.zh_to, type.zhgs, "主号范围", fields);
    fitRange(type.spec_from, type.spec_to, std::max<int>(type.fhgs, 1), "副号范围", fields);
    return fields;
}

Status saveTypeTable(const std::string& path, const TypeTable& table) {
    return saveFileAtomically(path, encodeTypeTable(table));
}

void applyZoneLabels(tcpstyle& type) {
    if (type.cpmm == "双色球") {
        type.zhname = "红号";
        type.specname = "蓝号";
    } else if (type.cpmm == "超级大乐透") {
        type.zhname = "主号";
        type.specname = "副号";
    } else {
        type.zhname = "主号";
        type.specname = "特别号";
    }
}

GameParams startupGameParams(const tcpstyle& type) {
    return {type.zhgs, type.zh_from, type.zh_to, type.fhgs, type.spec_from, type.spec_to, type.hasspec == 1};
}

GameParams switchedGameParams(const tcpstyle& type) {
    GameParams game = startupGameParams(type);
    if (type.hasspec == 0) game.fhgs = 0;
    return game;
}

}  // namespace lottodesk
