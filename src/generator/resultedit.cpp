#include "resultedit.h"

#include <algorithm>

#include "core/drawtext.h"
#include "prizecheck.h"

namespace lottodesk {
namespace {

int placesOf(int m) { return std::clamp(m, 0, kMaxTicketNumbers); }

}  // namespace

std::string ticketGroupsText(const Ticket& ticket, int m) {
    std::string text;
    for (int i = 0; i < placesOf(m); ++i) {
        if (i > 0) text += '-';
        text += twoDigits(ticket[static_cast<size_t>(i)]);
    }
    return text;
}

Ticket ticketFromGroups(std::string_view text, int m) {
    Ticket ticket{};
    const std::vector<int> values = groupValues(text, placesOf(m));
    for (size_t i = 0; i < values.size(); ++i)
        ticket[i] = static_cast<uint8_t>(values[i] >= 0 && values[i] <= 255 ? values[i] : 0);
    return ticket;
}

void appendResult(MainResults& results, const Ticket& ticket, int m) {
    results.tags.resize(results.tickets.size(), 0);
    results.tickets.push_back(ticket);
    results.tags.push_back(0);
    clearHits(results.tickets, m);
    results.passCount = static_cast<int>(results.tickets.size());
}

bool replaceResult(MainResults& results, size_t index, const Ticket& ticket, int m) {
    if (index >= results.tickets.size()) return false;
    results.tickets[index] = ticket;
    clearHits(results.tickets, m);
    return true;
}

bool removeResult(MainResults& results, size_t index, int m) {
    if (index >= results.tickets.size()) return false;
    results.tickets.erase(results.tickets.begin() + static_cast<std::ptrdiff_t>(index));
    if (index < results.tags.size()) results.tags.erase(results.tags.begin() + static_cast<std::ptrdiff_t>(index));
    clearHits(results.tickets, m);
    results.passCount = static_cast<int>(results.tickets.size());
    return true;
}

void putTicketIntoPrediction(t_s_dm& history, const Ticket& ticket, int m) {
    const int at = history.indexOfPeriod(kPredictionPeriod);
    if (at > 0) {
        history.SetRecNo(at);
        history.Edit();
    } else {
        history.Append();
    }
    history.SetFieldValue(0, kPredictionPeriod);
    const int places = std::min(placesOf(m), kSlots - 3);
    for (int i = 0; i < places; ++i) history.SetFieldValue(i + 1, ticket[static_cast<size_t>(i)]);
    history.SetFieldValue(places + 1, 1);
    history.SetFieldValue(places + 2, 2);
}

}  // namespace lottodesk
