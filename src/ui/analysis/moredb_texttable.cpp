#include "ui/analysis/moredb_texttable.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

namespace lottodesk {

QTableView* textTableView(QAbstractItemModel* model, const char* name, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(20);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    return view;
}

void fitColumns(QTableView& view) {
    const QAbstractItemModel* model = view.model();
    const QFontMetrics cells(view.font());
    const QFontMetrics titles(view.horizontalHeader()->font());
    const int rows = model->rowCount();
    for (int c = 0; c < model->columnCount(); ++c) {
        int width = titles.horizontalAdvance(model->headerData(c, Qt::Horizontal).toString()) + 16;
        for (int r : {0, rows - 1})
            if (r >= 0) width = std::max(width, cells.horizontalAdvance(model->index(r, c).data().toString()) + 12);
        view.setColumnWidth(c, width);
    }
}

QColor classColour(int value) {
    static const QColor kColours[] = {
        QColor(255, 236, 160), QColor(170, 220, 255), QColor(200, 240, 190), QColor(255, 200, 200),
        QColor(225, 205, 255), QColor(255, 220, 170), QColor(190, 235, 235), QColor(235, 235, 170),
        QColor(255, 200, 235), QColor(210, 210, 210),
    };
    constexpr int count = static_cast<int>(std::size(kColours));
    return kColours[((value % count) + count) % count];
}

}  // namespace lottodesk
