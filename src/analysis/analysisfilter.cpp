#include "analysisfilter.h"

#include <algorithm>
#include <cctype>

#include "drawwindow.h"
#include "formula/evalfailure.h"
#include "formula/tgs.h"
#include "valueclasses.h"

namespace lottodesk {
namespace {

// Letters, digits and "_" only: an identifier needs no brackets before "%".
bool isPlainName(const std::string& text) {
    for (unsigned char c : text)
        if (!std::isalnum(c) && c != '_') return false;
    return !text.empty();
}

}  // namespace

std::string filterExpression(const AnalysisSeries& series, KLineType type) {
    const std::string e = series.expression();
    if (e.empty()) return e;
    const std::string operand = isPlainName(e) ? e : "(" + e + ")";
    switch (type.kind) {
    case KLineKind::Regular: return e;
    case KLineKind::Tail: return operand + "%10";
    case KLineKind::Remainder: return operand + "%" + std::to_string(type.divisor);
    case KLineKind::Amplitude: return "getzf(" + e + ")";
    case KLineKind::Omission: return "getylz(" + e + ")";
    case KLineKind::OmissionAmplitude: return "getylzzf(" + e + ")";
    }
    return e;
}

ValueRange transformedRange(const std::vector<int32_t>& transformed) {
    if (transformed.size() < 2) return {};
    const auto [lo, hi] = std::minmax_element(transformed.begin() + 1, transformed.end());
    return {*lo, *hi};
}

int32_t filterReference(const std::vector<int32_t>& transformed, const DrawHistory& history) {
    const int n = lastDrawRecord(history);
    return n >= 1 && static_cast<size_t>(n) < transformed.size() ? transformed[static_cast<size_t>(n)] : 0;
}

Status checkFilterExpression(const IndicatorContext& ctx, const std::string& expression, int record) {
    if (expression.empty()) return Status::failure(StatusCode::BadFormula, kNotAFilterMessage);
    const EvalResult r = tgs(expression).evaluate(ctx, record);
    return r.ok ? Status::success() : Status::failure(StatusCode::BadFormula, kNotAFilterMessage);
}

FilterCondition filterCondition(const std::string& expression, const std::optional<int32_t>& lo,
                                const std::optional<int32_t>& hi, const FilterChoice& choice, int32_t reference) {
    FilterCondition out;
    if (expression.empty()) {
        out.status = Status::failure(StatusCode::BadFormula, kNotAFilterMessage);
        return out;
    }
    if (!lo || !hi) {
        out.status = Status::failure(StatusCode::BadInput, kEmptyFilterRangeMessage);
        return out;
    }
    if (*lo > *hi) {
        out.status = Status::failure(StatusCode::BadInput, kFilterRangeOrderMessage);
        return out;
    }
    for (int64_t v = *lo; v <= *hi; ++v) {
        const int32_t x = static_cast<int32_t>(v);
        if (choice.parity != Parity::Any && isOddValue(x) != (choice.parity == Parity::Odd)) continue;
        if (choice.primality != Primality::Any && isPrimeValue(x) != (choice.primality == Primality::Prime)) continue;
        if (choice.direction != Direction::Any && (x > reference) != (choice.direction == Direction::Rise)) continue;
        out.allowed.push_back(x);
    }
    if (out.allowed.empty()) {
        out.status = Status::failure(StatusCode::BadInput, kNoAllowedValueMessage);
        return out;
    }
    out.description = expression + (choice.tolerance ? "  容错" : "") + "  取值: ";
    for (int32_t v : out.allowed) out.description += std::to_string(v) + "  ";
    return out;
}

}  // namespace lottodesk
