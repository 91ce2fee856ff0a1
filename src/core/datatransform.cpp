#include "datatransform.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "workspace.h"

namespace lottodesk {
namespace {

int rangeOf(const GameParams& game) { return game.zh_to - game.zh_from + 1; }

bool inRange(const GameParams& game, int32_t n) { return n >= game.zh_from && n <= game.zh_to; }

// The main numbers of a record, clamped to what a record can hold.
int mainCount(const GameParams& game) { return std::clamp(game.zhgs, 0, kSlots - 1); }

std::vector<int32_t> identityRanking(const GameParams& game) {
    std::vector<int32_t> ranking;
    for (int32_t n = game.zh_from; n <= game.zh_to && n <= 255; ++n) ranking.push_back(n);
    return ranking;
}

}  // namespace

int offeredTransforms(const GameParams& game) {
    const bool fits = game.zhgs >= kMinTransformMainCount && game.zh_from >= 0 && game.zh_to <= kMaxTransformRange &&
                      rangeOf(game) >= game.zhgs && game.zhgs < kSlots;
    return fits ? kTransformKinds : 1;
}

std::string transformName(int transform) {
    return transform == 0 ? std::string("原始数据") : "变换" + std::to_string(transform);
}

void shuffleList(int32_t* list, int d, int t) {
    if (d < 2 || t < 1 || t > d) return;
    std::swap(list[t - 1], list[0]);
    for (int i = 2; i <= d - 1; ++i) {
        int64_t r = (static_cast<int64_t>(list[i - 2]) - 1) % (d - 1);
        if (r < 0) r += d - 1;
        const int j = static_cast<int>(r) + 2;
        std::swap(list[i - 1], list[j - 1]);
    }
}

void buildRankings(const t_s_dm& history, const GameParams& game, int transform, t_s_dm& rankings) {
    const int count = history.RecordCount();
    const int d = rangeOf(game);
    const int m = mainCount(game);
    rankings.Clear(false);
    rankings.SetRecordCount(count);
    if (count == 0 || d < 1 || d >= kSlots) return;

    // `order` is R(k) for the record being written, in drawn numbers; it starts as R(1), ascending.
    std::array<int32_t, kSlots> order{};
    std::array<int32_t, kSlots> next{};
    for (int i = 0; i < d; ++i) order[i] = game.zh_from + i;
    std::array<int32_t, kSlots> drawn{};
    DrawRecord record{};
    for (int k = 1; k <= count; ++k) {
        const int32_t* source = history.record(k);
        record.fill(0);
        record[0] = source[0];
        std::copy_n(order.begin(), d, record.begin() + 1);
        if (transform >= 2) shuffleList(&record[1], d, transform - 1);
        rankings.setRecord(k, record);

        // R(k + 1): the distinct in-range numbers of D(k), then R(k) without them.
        std::copy_n(source + 1, m, drawn.begin());
        shuffleList(drawn.data(), m, std::min(3, m));
        uint64_t listed = 0;
        int filled = 0;
        for (int i = 0; i < m; ++i) {
            const int32_t n = drawn[i];
            if (!inRange(game, n)) continue;
            const uint64_t bit = uint64_t{1} << (n - game.zh_from);
            if (listed & bit) continue;
            listed |= bit;
            next[filled++] = n;
        }
        for (int i = 0; i < d; ++i)
            if (!(listed & (uint64_t{1} << (order[i] - game.zh_from)))) next[filled++] = order[i];
        order.swap(next);
    }
}

void buildTransformedCopy(const t_s_dm& history, const t_s_dm& rankings, const GameParams& game, t_s_dm& copy) {
    const int count = std::min(history.RecordCount(), rankings.RecordCount());
    const int d = rangeOf(game);
    const int m = mainCount(game);
    copy.Clear(false);
    copy.SetRecordCount(count);
    if (count == 0) return;
    DrawRecord record{};
    std::memcpy(record.data(), history.record(1), kDrawRecordSize);
    copy.setRecord(1, record);
    std::array<int32_t, kSlots> place{};  // by number - zh_from: the 1-based place in the ranking
    for (int k = 2; k <= count; ++k) {
        const int32_t* ranking = rankings.record(k - 1) + 1;
        place.fill(0);
        for (int i = 0; i < d && i < kSlots - 1; ++i)
            if (inRange(game, ranking[i])) place[ranking[i] - game.zh_from] = i + 1;
        std::memcpy(record.data(), history.record(k), kDrawRecordSize);
        uint64_t seen = 0;
        for (int i = 1; i <= m; ++i) {
            const int32_t n = record[i];
            int32_t value = 0;
            if (inRange(game, n)) {
                const uint64_t bit = uint64_t{1} << (n - game.zh_from);
                if (!(seen & bit)) value = place[n - game.zh_from];
                seen |= bit;
            }
            record[i] = value;
        }
        std::sort(record.begin() + 1, record.begin() + 1 + m);
        copy.setRecord(k, record);
    }
}

namespace {

// The drawn numbers of the current selection (places of `ranking` when transformed).
NumberFlags selectionAsDrawn(const NumberFlags& selection, const std::vector<int32_t>* ranking) {
    if (!ranking) return selection;
    NumberFlags drawn{};
    for (int place = 1; place <= kMaxTransformRange && place <= static_cast<int>(ranking->size()); ++place) {
        const int32_t number = (*ranking)[static_cast<size_t>(place - 1)];
        if (selection[place] && number >= 0 && number <= kMaxTransformRange) drawn[number] = true;
    }
    return drawn;
}

}  // namespace

Status applyTransform(Workspace& ws, int transform, NumberFlags* selection) {
    if (transform < 0 || transform >= offeredTransforms(ws.game))
        return Status::failure(StatusCode::WrongShape, "当前彩种不能使用" + transformName(transform));
    t_s_dm& sjk = ws.sjk;
    const int m = mainCount(ws.game);
    const bool wasTransformed = ws.transform != 0;

    // 1, 2: what the current numbering means in drawn numbers.
    const std::vector<int32_t> undrawnBefore = undrawnRanking(ws);
    std::optional<DrawRecord> prediction;
    if (sjk.RecordCount() > 0 && sjk.FieldValueAt(sjk.RecordCount(), 0) == kPredictionPeriod) {
        DrawRecord record{};
        std::memcpy(record.data(), sjk.record(sjk.RecordCount()), kDrawRecordSize);
        // The prediction record is the draw after the last record before it.
        const std::vector<int32_t> ranking = rankingFor(ws, sjk.RecordCount());
        if (wasTransformed)
            for (int i = 1; i <= m; ++i) record[i] = numberAt(ranking, record[i]);
        std::sort(record.begin() + 1, record.begin() + 1 + m);
        prediction = record;
    }
    NumberFlags drawnSelection{};
    if (selection) drawnSelection = selectionAsDrawn(*selection, wasTransformed ? &undrawnBefore : nullptr);
    const int32_t cursorPeriod = sjk.RecNo() >= 1 ? sjk.FieldValue(0) : 0;

    // 3: the raw history, the prediction record again.
    if (!sjk.Open()) return Status::failure(StatusCode::HistoryRefused, sjk.lastError());
    if (prediction) {
        sjk.Append();
        sjk.setRecord(sjk.RecNo(), *prediction);
    }

    // 4..6: rankings, the transformed copy, the numbers in the history.
    if (transform == 0) {
        ws.sjk_bh.Clear(false);
        ws.sjk_bhdata.Clear(false);
    } else {
        buildRankings(sjk, ws.game, transform, ws.sjk_bh);
        buildTransformedCopy(sjk, ws.sjk_bh, ws.game, ws.sjk_bhdata);
        sjk.Edit();
        DrawRecord record{};
        for (int k = 1; k <= sjk.RecordCount(); ++k) {
            std::memcpy(record.data(), sjk.record(k), kDrawRecordSize);
            std::copy_n(ws.sjk_bhdata.record(k) + 1, m, record.begin() + 1);
            sjk.setRecord(k, record);
        }
    }
    const int back = cursorPeriod == 0 ? 0 : sjk.indexOfPeriod(cursorPeriod);
    if (back > 0)
        sjk.SetRecNo(back);
    else
        sjk.Last();

    // 7: the flag and the guard.
    ws.transform = transform;
    ws.transformed = transform != 0;
    sjk.setSaveRefusal(transform != 0 ? kTransformedSaveMessage : "");

    // 8: the selection in the new numbering.
    if (selection) {
        const std::vector<int32_t> undrawn = undrawnRanking(ws);
        selection->fill(false);
        for (int n = 0; n <= kMaxTransformRange; ++n) {
            if (!drawnSelection[n]) continue;
            const int32_t now = transform != 0 ? placeOf(undrawn, n) : n;
            if (transform == 0 || (now >= 1 && now <= kMaxTransformRange)) (*selection)[now] = true;
        }
    }
    return Status::success();
}

Status reloadHistory(Workspace& ws) { return applyTransform(ws, ws.transform); }

void clearTransformState(Workspace& ws) {
    ws.transform = 0;
    ws.transformed = false;
    ws.sjk_bh.Clear(false);
    ws.sjk_bhdata.Clear(false);
    ws.sjk.setSaveRefusal("");
}

std::vector<int32_t> rankingFor(const Workspace& ws, int index) {
    const int d = rangeOf(ws.game);
    if (ws.transform == 0 || index <= 1 || ws.sjk_bh.RecordCount() < index - 1 || d < 1 || d >= kSlots)
        return identityRanking(ws.game);
    const int32_t* ranking = ws.sjk_bh.record(index - 1) + 1;
    return std::vector<int32_t>(ranking, ranking + d);
}

std::vector<int32_t> undrawnRanking(const Workspace& ws) { return rankingFor(ws, ws.sjk.newestRealRecord() + 1); }

std::vector<int32_t> rankingForFilterPeriod(const Workspace& ws, int32_t filterPeriod) {
    if (filterPeriod == 0) return undrawnRanking(ws);
    const int index = ws.sjk.indexOfPeriod(filterPeriod);
    if (index == 0 || index > ws.sjk.newestRealRecord()) return {};
    return rankingFor(ws, index);
}

int32_t numberAt(const std::vector<int32_t>& ranking, int32_t place) {
    if (place < 1 || place > static_cast<int32_t>(ranking.size())) return 0;
    return ranking[static_cast<size_t>(place - 1)];
}

int32_t placeOf(const std::vector<int32_t>& ranking, int32_t number) {
    const auto found = std::find(ranking.begin(), ranking.end(), number);
    return found == ranking.end() ? 0 : static_cast<int32_t>(found - ranking.begin()) + 1;
}

void restoreTicket(uint8_t* numbers, int m, const std::vector<int32_t>& ranking) {
    for (int i = 0; i < m; ++i) numbers[i] = static_cast<uint8_t>(numberAt(ranking, numbers[i]));
    std::sort(numbers, numbers + m);
}

Status putSelectionIntoPrediction(t_s_dm& history, const GameParams& game, const NumberFlags& selection) {
    std::vector<int32_t> picked;
    for (int n = 0; n <= kMaxTransformRange; ++n)
        if (selection[n]) picked.push_back(n);
    if (static_cast<int>(picked.size()) != game.zhgs)
        return Status::failure(StatusCode::BadInput, "选号区红号个数应为" + std::to_string(game.zhgs) + "个");
    const int at = history.indexOfPeriod(kPredictionPeriod);
    if (at > 0) {
        history.SetRecNo(at);
        history.Edit();
    } else {
        history.Append();
    }
    history.SetFieldValue(0, kPredictionPeriod);
    for (size_t i = 0; i < picked.size() && i + 1 < kSlots; ++i)
        history.SetFieldValue(static_cast<int>(i) + 1, picked[i]);
    return Status::success();
}

void removePrediction(t_s_dm& history) {
    const int at = history.indexOfPeriod(kPredictionPeriod);
    if (at == 0) return;
    history.SetRecNo(at);
    history.Delete(false);
}

}  // namespace lottodesk
