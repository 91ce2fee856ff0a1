#include "resultedit.h"

#include <algorithm>

#include "core/drawtext.h"
#include "prizecheck.h"

namespace lottodesk {
namespace {

int placesOf(int m) { return std::clamp(m, 0, kMaxTicketNumbers); }
int secondaryPlacesOf(int h) { return std::clamp(h, 0, kMaxSecondaryTicketNumbers); }

// Selects the prediction record for editing, appending it when absent; true when it is new.
bool editPrediction(t_s_dm& history) {
    const int at = history.indexOfPeriod(kPredictionPeriod);
    if (at > 0) {
        history.SetRecNo(at);
        history.Edit();
        return false;
    }
    history.Append();
    history.SetFieldValue(0, kPredictionPeriod);
    return true;
}

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
    editPrediction(history);
    const int places = std::min(placesOf(m), kSlots - 3);
    for (int i = 0; i < places; ++i) history.SetFieldValue(i + 1, ticket[static_cast<size_t>(i)]);
    history.SetFieldValue(places + 1, 1);
    history.SetFieldValue(places + 2, 2);
}

void putSecondaryIntoPrediction(t_s_dm& history, const uint8_t* secondary, int h, int m) {
    const int places = placesOf(m);
    if (editPrediction(history))
        for (int i = 0; i < places; ++i) history.SetFieldValue(i + 1, i + 1);
    for (int i = 0; i < secondaryPlacesOf(h); ++i) history.SetFieldValue(places + 1 + i, secondary[i]);
}

void putTwoZoneIntoPrediction(t_s_dm& history, const TwoZoneTicket& ticket, int m, int h) {
    const int places = placesOf(m);
    editPrediction(history);
    for (int i = 0; i < places; ++i) history.SetFieldValue(i + 1, ticket.main[static_cast<size_t>(i)]);
    for (int i = 0; i < secondaryPlacesOf(h); ++i)
        history.SetFieldValue(places + 1 + i, ticket.secondary[static_cast<size_t>(i)]);
}

std::string secondaryGroupsText(const TwoZoneTicket& ticket, int h) {
    std::string text;
    for (int i = 0; i < secondaryPlacesOf(h); ++i) {
        if (i > 0) text += '-';
        text += twoDigits(ticket.secondary[static_cast<size_t>(i)]);
    }
    return text;
}

}  // namespace lottodesk
