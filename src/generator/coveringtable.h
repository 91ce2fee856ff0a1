#pragma once
// Best known sizes of covering designs C(v,k,t): the fewest k-number tickets that hold every
// t-number set of v numbers. The program carries the table of the La Jolla Covering Repository
// (data/covering_ljcr.csv, compiled in).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lottodesk {

struct CoveringBound {
    int v = 0, k = 0, t = 0;
    int lower = 0;  // no covering is smaller
    int upper = 0;  // the smallest one known
};

// The best known bounds, from the table or from the cases that are plain (t = 0 or 1, k >= v);
// nothing when neither knows.
std::optional<CoveringBound> bestKnownCovering(int v, int k, int t);

// Reads the table text "v,k,t,lower,upper" with a header line, CR LF or LF line ends.
struct CoveringTableParse {
    std::vector<CoveringBound> rows;
    std::string error;  // names the line; rows is then empty
    bool ok() const { return error.empty(); }
};
CoveringTableParse parseCoveringTable(std::string_view text);

}  // namespace lottodesk
