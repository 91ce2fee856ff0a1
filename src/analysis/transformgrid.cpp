#include "transformgrid.h"

#include <algorithm>

#include "core/drawtext.h"

namespace lottodesk {

void TransformGrid::fill(const t_s_dm& history, const GameParams& game, bool withSecondary) {
    m_game = game;
    m_game.zhgs = std::clamp(game.zhgs, 0, kSlots - 1);
    m_game.fhgs = std::clamp(game.fhgs, 0, kSlots - 1 - m_game.zhgs);
    if (m_game.zh_to < m_game.zh_from) m_game.zh_to = m_game.zh_from - 1;
    m_withSecondary = withSecondary;
    m_rows = history.RecordCount();
    m_stride = 1 + m_game.zhgs + m_game.fhgs;
    m_slots.resize(static_cast<size_t>(m_rows) * m_stride);
    for (int r = 0; r < m_rows; ++r)
        std::copy_n(history.record(r + 1), m_stride, m_slots.begin() + static_cast<ptrdiff_t>(r) * m_stride);
}

int TransformGrid::numberOfColumn(int column) const {
    if (column < 1 || column > numberColumns()) return -1;
    return m_game.zh_from + column - 1;
}

std::string TransformGrid::columnTitle(int column) const {
    if (column == 0) return "期号";
    const int number = numberOfColumn(column);
    return number < 0 ? std::string() : twoDigits(number);
}

std::string TransformGrid::rowTitle(int r) const {
    if (r >= m_rows) return "选号区";
    const int32_t period = row(r)[0];
    return period == kPredictionPeriod ? std::string("预测区") : std::to_string(period);
}

std::string TransformGrid::rowText(int r) const {
    if (r < 0 || r >= m_rows) return {};
    const int32_t* record = row(r);
    std::string text;
    for (int i = 1; i <= m_game.zhgs; ++i) {
        text += twoDigits(record[i]);
        text += ' ';
    }
    if (m_withSecondary && m_game.fhgs > 0) {
        text += "| ";
        for (int i = 1; i <= m_game.fhgs; ++i) {
            text += twoDigits(record[m_game.zhgs + i]);
            text += ',';
        }
    }
    return text;
}

GridBall TransformGrid::ball(int r, int column, const NumberFlags& selection) const {
    const int number = numberOfColumn(column);
    if (number < 0) return GridBall::None;
    if (r >= m_rows) return number <= kMaxTransformRange && selection[number] ? GridBall::Main : GridBall::None;
    const int32_t* record = row(r);
    if (m_withSecondary)
        for (int i = 1; i <= m_game.fhgs; ++i)
            if (record[m_game.zhgs + i] == number) return GridBall::Secondary;
    for (int i = 1; i <= m_game.zhgs; ++i)
        if (record[i] == number) return GridBall::Main;
    return GridBall::None;
}

int TransformGrid::shade(const ZonePartitions& partitions, int zones, int column) const {
    const int number = numberOfColumn(column);
    if (number < 0 || zones < 2 || zones > 15) return 0;
    return partitions.zoneOf(zones, number) % 2 == 1 ? 0 : 1;
}

}  // namespace lottodesk
