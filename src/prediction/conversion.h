#pragma once
// The conversion chain of an indicator series ("转换表"). Column 0 is the indicator itself; the value
// of column k at a row is the number of distinct values 0..40 that column k - 1 took since it last
// took its value at this row (back to the first row when it never did). Values outside 0..40 are
// never counted, so every column after the first lies in 0..40.
//
// The chain walks down the rows keeping, per column, the values 0..40 of the column before it in
// order of their last occurrence: a value's count is then its place in that order, so a cell costs
// O(41) and the value a column would take at the next row for any indicator value x is a look-up
// (the inverse conversion pushes 0..40 through those per-column maps).

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace lottodesk {

inline constexpr int kConversionColumns = 200;
inline constexpr int kConversionTop = 40;  // values 0..40 take part in the counts
inline constexpr int kConversionValues = kConversionTop + 1;

// The walk of a chain down its rows: push one indicator value per row.
class ConversionWalk {
public:
    explicit ConversionWalk(int columns = kConversionColumns);

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }

    // Appends a row with indicator value v0; writes columns 0..columns() of it into row[0..columns()].
    void push(int32_t v0, int32_t* row);

    // For the row after those pushed: image[(k - 1) * 41 + x] = the value column k would take when
    // the indicator value there is x, for k = 1..upTo and x = 0..40. `image` is resized as needed.
    void images(int upTo, std::vector<int8_t>& image) const;

    // The first x in 0..40 that gives column k the value v at the next row; 0 when none does.
    // Column 0 is the indicator itself: v when it lies in 0..40 (else 0).
    int inverse(int column, int32_t v) const;

private:
    // The values 0..40 one column has received, most recent first.
    struct Recency {
        std::array<int8_t, kConversionValues> rank;   // place in `order`, -1 when not yet seen
        std::array<int8_t, kConversionValues> order;  // order[0] is the latest value
        int8_t seen = 0;

        int8_t count(int32_t v) const {
            return rank[static_cast<size_t>(v)] >= 0 ? rank[static_cast<size_t>(v)] : seen;
        }
        void touch(int32_t v);
    };

    int32_t firstColumn(int32_t v0) const;

    int m_columns;
    int m_rows = 0;
    std::vector<Recency> m_recency;  // [k - 1]: what column k reads (the values of column k - 1)
    // Column 1 also reads values outside 0..40: their last rows, and the last rows of 0..40.
    std::array<int32_t, kConversionValues> m_lastRow{};
    std::unordered_map<int32_t, int32_t> m_otherLastRow;
};

// A whole chain over a series: rows 1..rows(), columns 0..columns(), kept flat.
class ConversionChain {
public:
    ConversionChain() = default;
    // values[0 .. count - 1] are the indicator values of rows 1..count.
    ConversionChain(const int32_t* values, int count, int columns = kConversionColumns);

    int rows() const { return m_rows; }
    int columns() const { return m_walk.columns(); }
    // row 1..rows(), column 0..columns().
    int32_t at(int row, int column) const {
        return m_cells[static_cast<size_t>(row - 1) * static_cast<size_t>(columns() + 1) + static_cast<size_t>(column)];
    }
    // The inverse conversion at the last row (see ConversionWalk::inverse).
    int inverse(int column, int32_t v) const { return m_walk.inverse(column, v); }

private:
    ConversionWalk m_walk{0};
    int m_rows = 0;
    std::vector<int32_t> m_cells;
};

}  // namespace lottodesk
