#pragma once
// Spreading an indicator value over the columns of the component table.

#include <string>
#include <vector>

#include "core/componenttable.h"

namespace lottodesk {

// Offset of `value` within the group's columns, given the indicator's value range lo..hi;
// -1 when it falls in no column (a zone group and a value above hi, or an unknown group).
int classifyOffset(int value, const tzj_list_items& entry, int lo, int hi);

// The grid column (firstcol + offset, counted after the view's two leading columns), or -1.
int classify(int value, const tzj_list_items& entry, int lo, int hi);

// The text written into the cell at `offset`, which is also the column header.
std::string componentCellText(const tzj_list_items& entry, int offset);
std::vector<std::string> componentHeaders(const tzj_list_items& entry);

}  // namespace lottodesk
