#include "ui/charts/cellgrid.h"

#include <QHeaderView>
#include <QPainter>

#include "core/drawtext.h"
#include "ui/charts/fittext.h"
#include "ui/common/cellpictures.h"

namespace lottodesk {

void CellTable::resize(int rowCount, int columnCount) {
    rows = rowCount;
    columns = columnCount;
    values.assign(static_cast<size_t>(rows) * columns, kBlank);
    if (!looks.empty()) looks.assign(values.size(), CellLook{});
    columnTitles.resize(static_cast<size_t>(columns));
}

CellLook& CellTable::lookAt(int row, int column) {
    if (looks.size() != values.size()) looks.assign(values.size(), CellLook{});
    return looks[static_cast<size_t>(row) * columns + column];
}

QString CellTable::text(int32_t value) const {
    if (value == kBlank) return {};
    return twoDigits ? QString::fromStdString(lottodesk::twoDigits(value)) : QString::number(value);
}

CellGridModel::CellGridModel(QObject* parent) : QAbstractTableModel(parent), m_table(std::make_shared<CellTable>()) {}

void CellGridModel::setTable(std::shared_ptr<const CellTable> table) {
    beginResetModel();
    m_table = table ? std::move(table) : std::make_shared<CellTable>();
    endResetModel();
}

int CellGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_table->rows; }

int CellGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_table->columns + (m_table->trailingTitle.isEmpty() ? 0 : 1);
}

QVariant CellGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const CellTable& t = *m_table;
    if (index.column() == t.columns) {  // the trailing text column
        const size_t row = static_cast<size_t>(index.row());
        if (role == Qt::DisplayRole) return row < t.trailingTexts.size() ? t.trailingTexts[row] : QString();
        if (role == LookRole) return -1;
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }
    const size_t at = static_cast<size_t>(index.row()) * t.columns + index.column();
    if (at >= t.values.size()) return {};
    switch (role) {
    case Qt::DisplayRole:
        if (t.twoDigitsOnPictures && at < t.looks.size() && t.looks[at].picture != 0 &&
            t.values[at] != CellTable::kBlank)
            return QString::fromStdString(lottodesk::twoDigits(t.values[at]));
        return t.text(t.values[at]);
    case ValueRole: return t.values[at];
    case LookRole: {
        if (at >= t.looks.size() || t.looks[at].picture == 0) return -1;
        return t.looks[at].picture << 8 | t.looks[at].frame;
    }
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (static_cast<size_t>(index.row()) < t.rowBackgrounds.size() && t.rowBackgrounds[index.row()].isValid())
            return t.rowBackgrounds[index.row()];
        if (static_cast<size_t>(index.column()) < t.columnBackgrounds.size() &&
            t.columnBackgrounds[index.column()].isValid())
            return t.columnBackgrounds[index.column()];
        return {};
    default: return {};
    }
}

QVariant CellGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    const CellTable& t = *m_table;
    if (orientation == Qt::Horizontal) {
        if (section == t.columns && !t.trailingTitle.isEmpty()) return t.trailingTitle;
        return section >= 0 && static_cast<size_t>(section) < t.columnTitles.size() ? t.columnTitles[section]
                                                                                    : QVariant();
    }
    if (section >= 0 && static_cast<size_t>(section) < t.rowTitles.size()) return t.rowTitles[section];
    return section + 1;
}

CellGridDelegate::CellGridDelegate(const CellPictures& pictures, QObject* parent)
    : QStyledItemDelegate(parent), m_pictures(pictures) {}

void CellGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    // Cells are painted directly rather than through the style: a grid shows thousands of them.
    const int look = index.data(CellGridModel::LookRole).toInt();
    const QVariant background = index.data(Qt::BackgroundRole);
    if (option.state & QStyle::State_Selected)
        painter->fillRect(option.rect, option.palette.highlight());
    else if (background.isValid())
        painter->fillRect(option.rect, background.value<QColor>());
    if (look < 0) {
        const QString text = index.data(Qt::DisplayRole).toString();
        if (text.isEmpty()) return;
        painter->setPen(option.state & QStyle::State_Selected ? option.palette.highlightedText().color()
                                                              : option.palette.text().color());
        const QVariant align = index.data(Qt::TextAlignmentRole);
        painter->drawText(option.rect.adjusted(2, 0, -2, 0),
                          align.isValid() ? Qt::Alignment(align.toInt()) : Qt::Alignment(Qt::AlignCenter), text);
        return;
    }
    m_pictures.draw(*painter, look >> 8, look & 0xFF, option.rect.adjusted(1, 1, -1, -1));
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) return;
    painter->save();
    painter->setPen(Qt::white);
    painter->setFont(fontFitting(painter->font(), text, option.rect.width() - 2));
    painter->drawText(option.rect, Qt::AlignCenter, text);
    painter->restore();
}

CellGridView::CellGridView(const CellPictures& pictures, QWidget* parent)
    : QTableView(parent), m_model(new CellGridModel(this)) {
    setModel(m_model);
    setItemDelegate(new CellGridDelegate(pictures, this));
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setDefaultSectionSize(24);
    horizontalHeader()->setMinimumSectionSize(16);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    setMinimumWidth(120);
}

void CellGridView::setTable(std::shared_ptr<const CellTable> table) { m_model->setTable(std::move(table)); }

void CellGridView::showLastRow() {
    if (m_model->rowCount() > 0) scrollTo(m_model->index(m_model->rowCount() - 1, 0));
}

}  // namespace lottodesk
