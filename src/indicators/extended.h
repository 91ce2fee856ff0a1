#pragma once
// The extended families ("扩展指标"): indicators whose identifier carries its own integer
// parameters after the family prefix and one separator, such as c_cz_1 (pairs at distance 1) or
// c_fq_1_4_1 (the sum of the numbers in zone 1 of 4). This file computes the number families;
// the formula families (c_2zbzh, c_3zbzh, c_zhfx) evaluate formulas and live with the evaluator.
//
// Every value reads only the context's history (and the pattern arrangement) at and before
// record n; nothing is allocated. Values are plain 32-bit integers: counts and sums do not wrap
// at 8 bits, so the sums of large games stay correct.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "drawhistory.h"

namespace lottodesk {

// The families in the order their prefixes are tried (see extendedPrefixes()).
enum class ExtendedFamily : int8_t {
    Cz,            // c_cz_d: pairs of the draw at distance d
    Hz,            // c_hz_s: pairs of the draw with sum s
    XwCz,          // c_xw_cz_d: (current, previous) pairs at distance d
    XwHz,          // c_xw_hz_s: (current, previous) pairs with sum s
    Ylz,           // c_ylz_t_lo_hi: numbers whose unpositioned omission lies in lo..hi
    Fq,            // c_fq_t_N_z: numbers in zone z of the N-zone partition
    Hnskhkn,       // c_hnskhkn_t_c_r: empty rows / columns of the pattern arrangement
    Hnszhxt,       // c_hnszhxt_t_c_r: occupied rows / columns as bits
    Ys,            // c_ys_t_d_r: numbers with remainder r by d
    TwoPattern,    // c_2zbzh: pattern of two formulas
    ThreePattern,  // c_3zbzh: pattern or statistic of three formulas
    Analysis,      // c_zhfx: statistic of several formulas
    Lwr,           // c_lwr_P_L_U: numbers seen L..U times in the P draws before
    Same,          // c_same_t_P_S: earlier draws sharing at least S numbers (t = 0; other t give 0)
    Gqch,          // c_gqch_t_A_B: numbers drawn again after A..B draws
    Twyc,          // c_twyc_t_T_G: numbers keeping the class of their position
};

inline constexpr int kMaxExtendedParameters = 3;
using ExtendedParameters = std::array<int32_t, kMaxExtendedParameters>;

// Whether the family's parameters are formulas (evaluated by the formula layer).
bool isFormulaFamily(ExtendedFamily family);

// How many integer parameters a number family takes (0 for the formula families).
int extendedParameterCount(ExtendedFamily family);

// Reads the parameters of a number family from the text after its prefix and separator: each but
// the last ends at the first "_" that follows, the last runs to the end of the text. False when
// one of them is not a decimal integer (a missing one reads as an empty text); `bad` is then the
// first such text.
bool parseExtendedParameters(ExtendedFamily family, std::string_view text, ExtendedParameters& parameters,
                             std::string& bad);

// The value of a number family with its parsed parameters at record n. A type, kind or size
// outside the defined ones gives 0; so does a formula family, which this layer cannot evaluate.
int32_t extendedValue(ExtendedFamily family, const ExtendedParameters& parameters, const IndicatorContext& ctx, int n);

}  // namespace lottodesk
