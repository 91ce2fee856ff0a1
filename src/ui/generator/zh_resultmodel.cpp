#include "ui/generator/zh_resultmodel.h"

#include <algorithm>

#include "core/drawtext.h"
#include "core/workspace.h"
#include "generator/prizecheck.h"

namespace lottodesk {

ZhResultModel::ZhResultModel(const Workspace& ws, const MainResults& results, QObject* parent)
    : QAbstractTableModel(parent), m_ws(ws), m_results(results) {
    reset();
}

int ZhResultModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int ZhResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_zhgs + 1 + (m_hits ? 1 : 0) + (m_hits && showsAmounts() ? 1 : 0);
}

bool ZhResultModel::showsAmounts() const {
    // Only where the main numbers alone decide the prize; otherwise the summary gives the money.
    return m_money && m_money->rules && (secondaryDrawnFromMain(m_ws.game) || m_ws.game.fhgs == 0);
}

void ZhResultModel::setMoney(std::optional<PrizeMoney> money) {
    beginResetModel();
    m_money = std::move(money);
    endResetModel();
}

void ZhResultModel::setHitColumn(bool shown) {
    if (shown == m_hits) return;
    beginResetModel();
    m_hits = shown;
    if (!shown) m_money.reset();
    endResetModel();
}

int ZhResultModel::pages() const {
    const size_t count = m_results.tickets.size();
    return static_cast<int>((count + kPageSize - 1) / kPageSize);
}

void ZhResultModel::setPage(int page) {
    beginResetModel();
    m_page = std::clamp(page, 1, std::max(pages(), 1));
    m_zhgs = std::clamp(m_ws.game.zhgs, 0, 7);
    const int64_t first = static_cast<int64_t>(m_page - 1) * kPageSize;
    const int64_t count = static_cast<int64_t>(m_results.tickets.size());
    m_rows = static_cast<int>(std::clamp<int64_t>(count - first, 0, kPageSize));
    endResetModel();
}

QVariant ZhResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows || index.column() >= columnCount()) return {};
    const size_t at = static_cast<size_t>(m_page - 1) * kPageSize + static_cast<size_t>(index.row());
    if (at >= m_results.tickets.size()) return {};  // the list shrank before setPage()
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == 0) return QStringLiteral("第%1条").arg(at + 1);
        if (index.column() == m_zhgs + 2) {
            const int level = mainResultLevel(*m_money, m_results.tickets[at].data(), m_zhgs);
            if (level == 0) return QString();
            const long long amount = m_money->amountOfLevel(level);
            return QString::fromStdString(amount < 0 ? std::string(kFloatingAmountText) : yuanText(amount));
        }
        if (index.column() > m_zhgs) return int(m_results.tickets[at][static_cast<size_t>(m_zhgs)]);
        return QString::fromStdString(twoDigits(m_results.tickets[at][static_cast<size_t>(index.column() - 1)]));
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    default: return {};
    }
}

QVariant ZhResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount()) return {};
    if (section == 0) return QStringLiteral("序号");
    if (section == m_zhgs + 2) return QStringLiteral("奖金");
    if (section > m_zhgs) return QString::fromUtf8(kHitColumnCaption);
    return QString::fromStdString(m_ws.current().zhname) + QString::number(section);
}

}  // namespace lottodesk
