#pragma once
// The definition of one named indicator: identifier, display name, value range and the
// computation at a draw. The registry is assembled from tables of these.

#include <cstdint>

#include "drawhistory.h"

namespace lottodesk {

// A bound of a declared value range: a constant, or one that follows the game's shape
// (k = zhgs). The range is what value-choice dialogs and charts offer; values are not clamped.
struct RangeBound {
    enum Kind : uint8_t { Const, K, KMinus1, ZhTo, ZhToMinus1, ZhToMinus3, SpecTo, ZhToTimesK };
    Kind kind = Const;
    int32_t value = 0;  // the constant of Const

    int32_t resolve(const GameParams& game) const {
        switch (kind) {
        case Const: return value;
        case K: return game.zhgs;
        case KMinus1: return game.zhgs - 1;
        case ZhTo: return game.zh_to;
        case ZhToMinus1: return game.zh_to - 1;
        case ZhToMinus3: return game.zh_to - 3;
        case SpecTo: return game.spec_to;
        case ZhToTimesK: return game.zh_to * game.zhgs;
        }
        return value;
    }
};

constexpr RangeBound bound(int32_t value) { return {RangeBound::Const, value}; }
constexpr RangeBound boundK() { return {RangeBound::K, 0}; }
constexpr RangeBound boundKMinus1() { return {RangeBound::KMinus1, 0}; }
constexpr RangeBound boundZhTo() { return {RangeBound::ZhTo, 0}; }
constexpr RangeBound boundZhToMinus1() { return {RangeBound::ZhToMinus1, 0}; }
constexpr RangeBound boundZhToMinus3() { return {RangeBound::ZhToMinus3, 0}; }
constexpr RangeBound boundSpecTo() { return {RangeBound::SpecTo, 0}; }
constexpr RangeBound boundZhToTimesK() { return {RangeBound::ZhToTimesK, 0}; }

// The value at record n (1..ctx.history.count()) of the context's history.
using IndicatorFn = int32_t (*)(const IndicatorContext& ctx, int n);

struct IndicatorDef {
    const char* id;
    const char* name;  // UTF-8 display name
    RangeBound min;
    RangeBound max;
    IndicatorFn value;
};

}  // namespace lottodesk
