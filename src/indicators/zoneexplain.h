#pragma once
// The text of the settings page "分区说明": each partition b2..b15 of the main range.

#include <string>

#include "core/partition.h"

namespace lottodesk {

// 28 lines joined by '\n': "(二区的分区设定)", then "小区<1..16>          大区<17..33>", and so on
// up to fifteen zones.
std::string zonePartitionText(const ZonePartitions& partitions);

}  // namespace lottodesk
