#include "datatables.h"

#include <array>

#include "coldhotperiod.h"
#include "core/drawtext.h"

namespace lottodesk {
namespace {

bool hasSecondary(const GameParams& game) { return game.hasspec && game.fhgs > 0; }

std::string listText(const tseqlist& list) {
    std::string text;
    for (int i = 1; i <= list.count(); ++i) text += twoDigits(list.get(i)) + ",";
    return text;
}

// The class of every number 0..49 in three lists: 0 cold, 1 warm, 2 hot, -1 in none.
std::array<int8_t, 50> classesOf(const tseqlist& cold, const tseqlist& warm, const tseqlist& hot) {
    std::array<int8_t, 50> classes;
    classes.fill(-1);
    int8_t kind = 0;
    for (const tseqlist* list : {&cold, &warm, &hot}) {
        for (int i = 1; i <= list->count(); ++i)
            if (list->get(i) >= 0 && list->get(i) < 50) classes[static_cast<size_t>(list->get(i))] = kind;
        ++kind;
    }
    return classes;
}

// The five cells of one zone for a record: the ratio, the drawn cold, warm and hot numbers (as
// classified at the period before), and the lists classified at the record's own period.
void zoneCells(const int32_t* record, int firstSlot, int slots, const std::array<int8_t, 50>& before,
               const tseqlist& cold, const tseqlist& warm, const tseqlist& hot, std::vector<std::string>& cells) {
    std::array<std::string, 3> drawn;
    std::array<int, 3> counts{};
    for (int s = firstSlot; s < firstSlot + slots && s < kSlots; ++s) {
        const int32_t n = record[s];
        if (n < 0 || n >= 50 || before[static_cast<size_t>(n)] < 0) continue;
        const size_t kind = static_cast<size_t>(before[static_cast<size_t>(n)]);
        drawn[kind] += twoDigits(n) + ",";
        ++counts[kind];
    }
    cells.push_back(std::to_string(counts[0]) + ":" + std::to_string(counts[1]) + ":" + std::to_string(counts[2]));
    for (std::string& text : drawn) cells.push_back(std::move(text));
    cells.push_back("冷号：" + listText(cold) + " 温号：" + listText(warm) + " 热号：" + listText(hot));
}

}  // namespace

DataTable dataTable3(const t_s_dm& store, const GameParams& game, const ColdHotSettings& settings,
                     const std::string& zhname, const std::string& specname) {
    DataTable t;
    const bool secondary = hasSecondary(game);
    t.header = {"期数", zhname + "冷温热比", "本期开奖冷号", "本期开奖温号", "本期开奖热号", "下期冷温热号"};
    if (secondary)
        for (const std::string& caption :
             {specname + "冷温热比", std::string("本期开奖冷号"), std::string("本期开奖温号"),
              std::string("本期开奖热号"), std::string("下期冷温热号")})
            t.header.push_back(caption);
    const int count = store.RecordCount();
    t.cells.reserve(static_cast<size_t>(count) * t.header.size());
    ColdWarmHotLists previous;
    for (int n = 1; n <= count; ++n) {
        const int32_t* record = store.record(n);
        const ColdWarmHotLists lists = coldWarmHotAt(store, game, settings, record[0]);
        const ColdWarmHotLists& before = n == 1 ? lists : previous;
        t.cells.push_back(record[0] == kPredictionPeriod ? std::string("预测区") : std::to_string(record[0]));
        zoneCells(record, 1, game.zhgs, classesOf(before.cold, before.warm, before.hot), lists.cold, lists.warm,
                  lists.hot, t.cells);
        if (secondary)
            zoneCells(record, game.zhgs + 1, game.fhgs, classesOf(before.f_cold, before.f_warm, before.f_hot),
                      lists.f_cold, lists.f_warm, lists.f_hot, t.cells);
        previous = lists;
    }
    return t;
}

}  // namespace lottodesk
