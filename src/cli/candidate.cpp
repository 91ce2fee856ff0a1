#include "cli/candidate.h"

#include <algorithm>
#include <vector>

#include "core/integertext.h"

namespace lottodesk::cli {

std::optional<DrawRecord> parseCandidate(const std::string& text, const DrawRules& rules, std::string& problem) {
    const GameParams& game = rules.game;
    std::vector<int> main, secondary;
    bool inSecondary = false;
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == ',')) ++pos;
        if (pos == text.size()) break;
        if (text[pos] == '+') {
            if (inSecondary) return std::nullopt;
            inSecondary = true;
            ++pos;
            continue;
        }
        size_t end = pos;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != ',' && text[end] != '+')
            ++end;
        std::optional<int> value = parseInteger(std::string_view(text).substr(pos, end - pos));
        if (!value) return std::nullopt;
        std::vector<int>& zone = inSecondary ? secondary : main;
        if (zone.size() >= static_cast<size_t>(kSlots)) return std::nullopt;
        zone.push_back(*value);
        pos = end;
    }
    // The record holds 50 numbers whatever the type file claims.
    if (static_cast<int>(main.size()) != game.zhgs || static_cast<int>(secondary.size()) > game.fhgs ||
        main.size() + secondary.size() >= static_cast<size_t>(kSlots))
        return std::nullopt;
    // A ticket's numbers are held in ascending order, as the generator holds them.
    std::sort(main.begin(), main.end());
    std::sort(secondary.begin(), secondary.end());
    DrawRecord record{};
    for (size_t i = 0; i < main.size(); ++i) record[i + 1] = main[i];
    for (size_t i = 0; i < secondary.size(); ++i) record[game.zhgs + 1 + i] = secondary[i];
    // Checked as a draw (the period only stands in here); only the given secondary numbers.
    DrawRules given = rules;
    given.game.fhgs = static_cast<int>(secondary.size());
    record[0] = 2000001;
    problem = checkDraw(given, record, !secondary.empty());
    record[0] = kCandidatePeriod;
    return record;
}

}  // namespace lottodesk::cli
