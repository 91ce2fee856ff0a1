#pragma once
// ZhResultModel: one page of the generator's main result list for the result grid. Pages hold
// 10,000 results; row r of page p is result (p - 1) * 10,000 + r + 1, shown as "第" + index + "条"
// followed by its numbers as two digits, under the headers "序号" and the main-zone name with the
// position ("红号1" ...). After "对奖" a column "中奖号个数" shows each result's hits and, for a
// game whose main numbers alone decide the prize, a last column "奖金" what the result won.
//
// The model reads the results it was given in place and builds no per-cell items. After the
// results or the game changed, call setPage() (or reset()) before the view reads it again.

#include <QAbstractTableModel>

#include <optional>

#include "generator/generator.h"
#include "generator/prizerules.h"

namespace lottodesk {

struct Workspace;

class ZhResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kPageSize = 10000;

    ZhResultModel(const Workspace& ws, const MainResults& results, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // ceil(count / 10,000): 0 for an empty list.
    int pages() const;
    int page() const { return m_page; }
    // Shows `page`, kept within 1..pages (page 1 when there are none).
    void setPage(int page);
    // Takes the result count and the game's shape afresh, staying on the current page if it still exists.
    void reset() { setPage(m_page); }
    // The column "中奖号个数" (byte m of each result) after "对奖"; every new list hides it again.
    void setHitColumn(bool shown);
    bool hitColumn() const { return m_hits; }
    // The money of the check shown in the hit column ("奖金" when the game has rules).
    void setMoney(std::optional<PrizeMoney> money);
    // The column "奖金": a game with rules whose main numbers alone decide the prize (七乐彩).
    bool showsAmounts() const;

private:
    const Workspace& m_ws;
    const MainResults& m_results;
    int m_page = 1;
    int m_rows = 0;
    int m_zhgs = 0;
    bool m_hits = false;
    std::optional<PrizeMoney> m_money;  // its rules belong to the results panel
};

}  // namespace lottodesk
