#pragma once
// The number grid of the analysis views: a table of integer cells, each shown as text, as a cell
// picture (ball or square of the chart strips) or both, over a QTableView. Views fill a CellTable
// (flat arrays, computed by the engine) and hand it to the model; the model builds no per-cell
// items and the delegate paints only the cells Qt asks for, so a grid over the whole history opens
// and scrolls at once.

#include <QAbstractTableModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <QTableView>
#include <cstdint>
#include <memory>
#include <vector>

namespace lottodesk {

class CellPictures;

// What a cell shows. `picture` 0: text only; 1..4 the picture kind of CellPictures, `frame` its
// colour. `showText` writes the text over the picture.
struct CellLook {
    uint8_t picture = 0;
    uint8_t frame = 0;
    bool showText = true;
    bool operator==(const CellLook&) const = default;
};

struct CellTable {
    static constexpr int32_t kBlank = INT32_MIN;  // a cell with nothing in it

    int rows = 0;
    int columns = 0;
    std::vector<QString> columnTitles;      // `columns` entries
    std::vector<QString> rowTitles;         // `rows` entries, or empty for row numbers
    std::vector<int32_t> values;            // row-major, rows × columns
    std::vector<CellLook> looks;            // row-major, or empty: text only everywhere
    std::vector<QColor> rowBackgrounds;     // per row, or empty: the view's colours
    std::vector<QColor> columnBackgrounds;  // per column (under the row colours), or empty
    // A text column after the numbers (the draw of each row), shown when it has a title.
    QString trailingTitle;
    std::vector<QString> trailingTexts;  // per row
    bool twoDigits = true;               // numbers below 10 written with a leading "0"
    bool twoDigitsOnPictures = false;    // the same for the cells with a picture only

    void resize(int rowCount, int columnCount);
    int32_t& at(int row, int column) { return values[static_cast<size_t>(row) * columns + column]; }
    int32_t at(int row, int column) const { return values[static_cast<size_t>(row) * columns + column]; }
    CellLook& lookAt(int row, int column);
    // The text of a value as the grid writes it.
    QString text(int32_t value) const;
};

class CellGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ValueRole = Qt::UserRole;     // int32_t of the cell
    static constexpr int LookRole = Qt::UserRole + 1;  // picture << 8 | frame, -1 when none

    explicit CellGridModel(QObject* parent = nullptr);

    // Replaces the table shown (shared: views keep the table they computed).
    void setTable(std::shared_ptr<const CellTable> table);
    const CellTable& table() const { return *m_table; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::shared_ptr<const CellTable> m_table;
};

// Paints the cell pictures (scaled once per cell size by CellPictures) and the text over them.
class CellGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    CellGridDelegate(const CellPictures& pictures, QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const CellPictures& m_pictures;
};

// A QTableView set up for number grids: fixed square-ish cells, no word wrap, a per-column
// minimum that does not add up to the window's minimum width.
class CellGridView : public QTableView {
    Q_OBJECT
public:
    CellGridView(const CellPictures& pictures, QWidget* parent = nullptr);
    CellGridModel* gridModel() const { return m_model; }
    void setTable(std::shared_ptr<const CellTable> table);
    // Scrolls so the last row is in view.
    void showLastRow();

private:
    CellGridModel* m_model;
};

}  // namespace lottodesk
