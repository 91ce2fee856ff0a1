#include "ui/common/ticketcolumns.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <algorithm>

namespace lottodesk {
namespace {

// Rows read for a column's widest text: the first rows and the last (row labels grow with the
// index); ticket numbers are all two digits and prize texts come from a short list.
constexpr int kSampledRows = 400;

}  // namespace

int fitTicketColumns(QTableView* grid) {
    const QAbstractItemModel* model = grid->model();
    QHeaderView* header = grid->horizontalHeader();
    header->setMinimumSectionSize(1);
    const QFontMetrics metrics = grid->fontMetrics();
    const int margin = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1) + 4;
    const int rows = model ? model->rowCount() : 0;
    const int headerMargin = 2 * grid->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 4;
    int total = 0;
    for (int column = 0; model && column < model->columnCount(); ++column) {
        const QString caption = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        int width = header->fontMetrics().horizontalAdvance(caption) + headerMargin;
        width = std::max(width, metrics.horizontalAdvance(QStringLiteral("88")) + margin);
        const auto measure = [&](int row) {
            const QString text = model->index(row, column).data(Qt::DisplayRole).toString();
            width = std::max(width, metrics.horizontalAdvance(text) + margin);
        };
        for (int row = 0; row < std::min(rows, kSampledRows); ++row) measure(row);
        if (rows > kSampledRows) measure(rows - 1);
        header->resizeSection(column, width);
        total += width;
    }
    const int scrollBar = grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    const int frame = 2 * grid->frameWidth();
    const int rowHeader = grid->verticalHeader()->isVisible() ? grid->verticalHeader()->width() : 0;
    return total + scrollBar + frame + rowHeader + 2;
}

void giveSplitterPaneWidth(QSplitter* splitter, int pane, int width) {
    QList<int> sizes = splitter->sizes();
    if (pane < 0 || pane >= sizes.size()) return;
    int total = 0;
    for (int size : sizes) total += size;
    if (total <= 0) return;  // not laid out yet: the caller asks again when it is shown
    // The list's own room comes first, up to what leaves the other panes their minimum.
    int others = 0;
    for (int i = 0; i < sizes.size(); ++i)
        if (i != pane) others += splitter->widget(i)->minimumSizeHint().width();
    const int given = std::clamp(width, 0, std::max(0, total - others));
    const int rest = total - given;
    const int share = sizes.size() > 1 ? rest / (static_cast<int>(sizes.size()) - 1) : 0;
    for (int i = 0; i < sizes.size(); ++i) sizes[i] = i == pane ? given : share;
    splitter->setSizes(sizes);
}

}  // namespace lottodesk
