#pragma once
// Per-column occurrence and omission statistics over a range of records. A column stands for a
// number of a zone, a tail or a value of an analysed series; values outside the columns are
// ignored, never indexed. Omissions are 32-bit.
//
// Two readings of "omission" are used by the views:
// - trendOmissions: the omission tables of the trend views. Inside the range only: a column not
//   hit in the first row starts at 1; a hit closes the omission shown in the row before it (none
//   for a hit in the first row). Statistics of a column that closed no omission are kNoOmission.
// - occurrenceOmissions: the omission statistics of an analysed series. Every hit closes an
//   omission counted back to the previous hit or to the range start (a hit in the first row
//   closes 0). Statistics of a column never hit are kNoOmission.

#include <cstdint>
#include <vector>

#include "drawwindow.h"

namespace lottodesk {

inline constexpr int32_t kNoOmission = 9999;

// Which columns each row of a range hits, row-major, 1 = hit. Column c stands for value lo + c.
struct HitMatrix {
    int rows = 0;
    int columns = 0;
    int lo = 0;
    std::vector<uint8_t> hits;

    bool at(int row, int column) const { return hits[static_cast<size_t>(row) * columns + column] != 0; }
    int columnOf(int32_t value) const {
        return value >= lo && value < lo + columns ? static_cast<int>(value - lo) : -1;
    }
};

// The numbers in slots firstSlot .. firstSlot + slots - 1 of each record of the window (oldest
// row first), as columns lo..hi.
HitMatrix numberHits(const DrawHistory& history, const DrawWindow& window, int firstSlot, int slots, int lo, int hi);
// The tails (0..9) of those numbers.
HitMatrix tailHits(const DrawHistory& history, const DrawWindow& window, int firstSlot, int slots);
// values[first..last] of a series (index = record number) as columns lo..hi.
HitMatrix valueHits(const int32_t* values, const DrawWindow& window, int lo, int hi);

// Per-column statistics; every vector has one entry per column.
struct OmissionStats {
    std::vector<int32_t> hits;
    std::vector<int32_t> longest;
    std::vector<int32_t> shortest;
    std::vector<int32_t> average;   // sum / hits, halves to even
    std::vector<int32_t> previous;  // the omission closed by the last hit
    std::vector<int32_t> current;   // rows since the last hit, 0 when hit in the last row
};

// The omission table of the trend views: `cells` holds, row-major, 0 where the column is hit and
// the running omission elsewhere.
struct OmissionTable {
    int rows = 0;
    int columns = 0;
    std::vector<int32_t> cells;
    OmissionStats stats;

    int32_t cell(int row, int column) const { return cells[static_cast<size_t>(row) * columns + column]; }
};

OmissionTable trendOmissions(const HitMatrix& hits);
OmissionStats occurrenceOmissions(const HitMatrix& hits);

// How often each number lo..hi occurs in the slots of the window's records.
std::vector<int32_t> windowHits(const DrawHistory& history, const DrawWindow& window, int firstSlot, int slots, int lo,
                                int hi);

// Draws since each number lo..hi was last drawn, counted back from record `end` through the whole
// history before it: 0 when drawn in `end` itself, and 0 as well for a number never drawn.
std::vector<int32_t> omissionsBefore(const DrawHistory& history, int end, int firstSlot, int slots, int lo, int hi);

}  // namespace lottodesk
