#include "drawcheck.h"

#include <algorithm>

#include "drawtext.h"

namespace lottodesk {
namespace {

// Range and repeats of one zone of `count` numbers starting at `first`; sorts the zone.
std::string zoneProblem(int32_t* first, int count, int from, int to, const std::string& name) {
    for (int i = 0; i < count; ++i)
        if (first[i] < from || first[i] > to)
            return name + twoDigits(first[i]) + "超出范围" + twoDigits(from) + "到" + twoDigits(to);
    std::sort(first, first + count);
    for (int i = 1; i < count; ++i)
        if (first[i] == first[i - 1]) return name + twoDigits(first[i]) + "重复";
    return {};
}

bool shapeFits(const GameParams& game) { return game.zhgs >= 1 && game.fhgs >= 0 && game.zhgs + game.fhgs < kSlots; }

}  // namespace

std::string periodProblem(int64_t period, PredictionRecord prediction) {
    if (period < 1000000 || period > 9999999) return kPeriodLengthMessage;
    if (period == kPredictionPeriod && prediction == PredictionRecord::Allowed) return {};
    if (period == kPredictionPeriod || period == kCandidatePeriod) return kReservedPeriodMessage;
    return {};
}

std::string countProblem(const DrawRules& rules, int given, bool withSecondary) {
    const GameParams& game = rules.game;
    const int wanted = game.zhgs + (withSecondary ? game.fhgs : 0);
    if (given == wanted) return {};
    std::string text = "应有" + std::to_string(game.zhgs) + "个" + rules.zhname;
    if (withSecondary && game.fhgs > 0) text += "和" + std::to_string(game.fhgs) + "个" + rules.specname;
    return text + "，实有" + std::to_string(given) + "个号码";
}

std::string checkDraw(const DrawRules& rules, DrawRecord& record, bool withSecondary, PredictionRecord prediction) {
    const GameParams& game = rules.game;
    if (!shapeFits(game)) return "彩种的号码个数超出记录范围";
    if (std::string problem = periodProblem(record[0], prediction); !problem.empty()) return problem;
    if (std::string problem = zoneProblem(&record[1], game.zhgs, game.zh_from, game.zh_to, rules.zhname);
        !problem.empty())
        return problem;
    if (!withSecondary || game.fhgs == 0) return {};
    return zoneProblem(&record[game.zhgs + 1], game.fhgs, game.spec_from, game.spec_to, rules.specname);
}

}  // namespace lottodesk
