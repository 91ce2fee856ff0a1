#pragma once
// Editing the main result list by hand ("添加组号", "修改组号", "删除组号") and copying a ticket into
// the prediction record ("加到预测区"). Tickets are stored as typed (a typed ticket is not sorted;
// continue filtering tests a sorted copy), and every edit clears the hit column of a prize check.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/s_dm.h"
#include "generator.h"
#include "twozone.h"

namespace lottodesk {

inline constexpr const char* kSelectTicketToModifyMessage = "请先在上边的列表中选择一组需要修改的号码";
inline constexpr const char* kSelectTicketToDeleteMessage = "请先在上边的列表中选择一组需要删除的号码";
inline constexpr const char* kSelectTicketMessage = "请先在上边的列表中选择一组号码";

// The ticket dialog's text of m two-digit groups joined by "-", and back (a group that is not a
// whole number in 0..255 gives 0).
std::string ticketGroupsText(const Ticket& ticket, int m);
Ticket ticketFromGroups(std::string_view text, int m);

// Appends, replaces or removes one result; tags stay in step (a new ticket untagged); the hit
// column of every result is cleared. An index outside the list changes nothing and says false.
void appendResult(MainResults& results, const Ticket& ticket, int m);
bool replaceResult(MainResults& results, size_t index, const Ticket& ticket, int m);
bool removeResult(MainResults& results, size_t index, int m);

// "加到预测区" of a main ticket: its m numbers become the main numbers of the prediction record
// (9999999) and its first two secondary fields 1 and 2; the record is edited when present and
// appended otherwise; not saved.
void putTicketIntoPrediction(t_s_dm& history, const Ticket& ticket, int m);
// "加到预测区" of a secondary ticket (h numbers; the special number is h = 1): they fill the
// secondary fields after the m main numbers, which are 1..m when the record is new.
void putSecondaryIntoPrediction(t_s_dm& history, const uint8_t* secondary, int h, int m);
// "加到预测区" of a two-zone ticket: both zones.
void putTwoZoneIntoPrediction(t_s_dm& history, const TwoZoneTicket& ticket, int m, int h);

// The ticket dialog's text of a two-zone ticket's secondary numbers, and back.
std::string secondaryGroupsText(const TwoZoneTicket& ticket, int h);

}  // namespace lottodesk
