#include "zoneexplain.h"

#include "core/componenttable.h"

namespace lottodesk {

std::string zonePartitionText(const ZonePartitions& partitions) {
    std::string text;
    for (int k = 2; k <= 15; ++k) {
        if (k > 2) text += '\n';
        text += '(';
        text += numeral(k);
        text += "区的分区设定)\n";
        const auto& b = partitions.of(k);
        for (int j = 1; j <= k; ++j) {
            if (j >= 2) text += std::string(j <= 5 ? 10 : 9, ' ');
            const std::string name = k == 2 ? (j == 1 ? "小区" : "大区") : numeral(j) + "区";
            const int first = j == 1 ? 1 : b[j - 1] + 1;
            text += name + "<" + std::to_string(first) + ".." + std::to_string(b[j]) + ">";
        }
    }
    return text;
}

}  // namespace lottodesk
