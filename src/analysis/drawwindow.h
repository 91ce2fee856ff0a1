#pragma once
// Windows of draws: the records a view summarises, chosen as the N most recent draws or as the
// draws from one period to another. Only real draws take part: the prediction record (9999999)
// and a candidate row (9999998), which sort after every draw, are never inside a window.

#include <cstdint>
#include <string>
#include <vector>

#include "core/s_dm.h"
#include "indicators/drawhistory.h"

namespace lottodesk {

// Records end - count + 1 .. end of a store (1-based). `end` is kept for an empty window too when
// the window has an end draw (a "to" period before its "from"), so a view can still name the
// window's end period; it is 0 when the history has no draw at all.
struct DrawWindow {
    int end = 0;
    int count = 0;

    int first() const { return end - count + 1; }
    bool empty() const { return count <= 0; }
    bool operator==(const DrawWindow&) const = default;
};

// The last record that is a real draw (records after it are the prediction record or a candidate).
int lastDrawRecord(const DrawHistory& history);
inline int lastDrawRecord(const t_s_dm& store) { return lastDrawRecord(DrawHistory::of(store)); }

// The record of a real draw's period (binary search, as the store's lookup); 0 when the period is
// not a draw of the history (the prediction and candidate periods never are).
int drawRecordOfPeriod(const DrawHistory& history, int32_t period);

// The `recent` most recent draws ("近" N "期"); recent <= 0 means all draws ("所有"); fewer when
// the history is shorter.
DrawWindow recentWindow(const DrawHistory& history, int recent);

// The draws from record `from` to record `to` ("自定义"): N = to - from + 1, empty when `to` lies
// before `from`. Record numbers outside the real draws give an empty window.
DrawWindow recordWindow(const DrawHistory& history, int from, int to);

// The same by periods; empty (end 0) when either period is not a draw of the history.
DrawWindow periodWindow(const DrawHistory& history, int32_t fromPeriod, int32_t toPeriod);

// The periods of the real draws, oldest first: what the period lists offer.
std::vector<int32_t> drawPeriods(const DrawHistory& history);

// "共" + N + "期".
std::string windowCaption(const DrawWindow& window);

// The choices of the count lists ("5" .. "300", then "所有" for 0) and the default "100".
inline constexpr int kRecentChoices[] = {5, 10, 15, 20, 25, 30, 40, 50, 60, 70, 80, 90, 100, 150, 200, 250, 300, 0};
inline constexpr int kDefaultRecent = 100;
inline constexpr const char* kAllDraws = "所有";

// The default custom window of the period lists: from the 100th most recent draw (the first when
// there are fewer) to the newest.
DrawWindow defaultCustomWindow(const DrawHistory& history);

}  // namespace lottodesk
