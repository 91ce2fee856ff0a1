#include "classify.h"

#include <array>

#include "core/partition.h"
#include "numberprops.h"

namespace lottodesk {

int classifyOffset(int value, const tzj_list_items& entry, int lo, int hi) {
    const ComponentKind kind = componentKind(entry.name);
    std::array<int, kMaxPartitionZones + 1> b{};
    switch (kind.kind) {
    case ComponentKind::Tail: return value % 10;
    case ComponentKind::OddEven: return value % 2 != 0 ? 0 : 1;
    case ComponentKind::PrimeComposite: return is_prime(value) ? 0 : 1;
    case ComponentKind::SmallBig: partition(2, lo, hi, b.data()); return value > b[1] ? 1 : 0;
    case ComponentKind::Zones:
        partition(kind.n, lo, hi, b.data());
        for (int j = 1; j <= kind.n; ++j)
            if (b[j] >= value) return j - 1;
        return -1;
    case ComponentKind::Remainder: return value % kind.n;
    case ComponentKind::None: break;
    }
    return -1;
}

int classify(int value, const tzj_list_items& entry, int lo, int hi) {
    const int offset = classifyOffset(value, entry, lo, hi);
    // A negative value's remainder (or tail) is negative and has no column either.
    if (offset < 0 || offset >= entry.width) return -1;
    return entry.firstcol + offset;
}

std::string componentCellText(const tzj_list_items& entry, int offset) {
    switch (componentKind(entry.name).kind) {
    case ComponentKind::OddEven: return offset == 0 ? "奇" : "偶";
    case ComponentKind::PrimeComposite: return offset == 0 ? "质" : "合";
    case ComponentKind::SmallBig: return offset == 0 ? "小" : "大";
    case ComponentKind::Zones: return numeral(offset + 1);
    case ComponentKind::Tail:
    case ComponentKind::Remainder: return std::to_string(offset);
    case ComponentKind::None: break;
    }
    return {};
}

std::vector<std::string> componentHeaders(const tzj_list_items& entry) {
    std::vector<std::string> headers;
    for (int offset = 0; offset < entry.width; ++offset) headers.push_back(componentCellText(entry, offset));
    return headers;
}

}  // namespace lottodesk
