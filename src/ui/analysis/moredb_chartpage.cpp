#include "ui/analysis/moredb_chartpage.h"

#include <QAction>
#include <QActionGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "core/workspace.h"

namespace lottodesk {
namespace {

QColor rgb(uint32_t colour) { return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF); }

}  // namespace

ChartPage::ChartPage(Workspace& ws, const CellPictures& pictures, const char* name, QWidget* parent)
    : AnalysisPage(parent), m_ws(ws), m_pictures(pictures) {
    setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(this);
    m_bar = new QHBoxLayout;
    layout->addLayout(m_bar);
    auto* area = new QGridLayout;
    area->setSpacing(0);
    m_canvas = new ChartCanvas(*this);
    m_vertical = new QScrollBar(Qt::Vertical, this);
    m_vertical->setObjectName(QStringLiteral("sb_chart_v"));
    m_vertical->setPageStep(10);
    m_horizontal = new QScrollBar(Qt::Horizontal, this);
    m_horizontal->setObjectName(QStringLiteral("sb_chart_h"));
    m_horizontal->setSingleStep(10);
    m_horizontal->setPageStep(50);
    area->addWidget(m_canvas, 0, 0);
    area->addWidget(m_vertical, 0, 1);
    area->addWidget(m_horizontal, 1, 0);
    layout->addLayout(area, 1);
    connect(m_vertical, &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_following) scrollTo(value);
    });
    connect(m_horizontal, &QScrollBar::valueChanged, this, [this](int value) {
        if (m_following) return;
        m_offset = value;
        m_canvas->update();
    });
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
    buildMenu();
}

QWidget* ChartPage::canvas() const { return m_canvas; }

void ChartPage::buildMenu() {
    m_canvas->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* running = new QActionGroup(this);
    m_start = new QAction(QStringLiteral("开始滚动"), this);
    m_stop = new QAction(QStringLiteral("停止滚动"), this);
    for (QAction* a : {m_start, m_stop}) {
        a->setCheckable(true);
        running->addAction(a);
        m_canvas->addAction(a);
    }
    m_stop->setChecked(true);
    connect(m_start, &QAction::triggered, this, [this] { startScrolling(); });
    connect(m_stop, &QAction::triggered, this, [this] { stopScrolling(); });

    auto* direction = new QMenu(QStringLiteral("滚动方向"), this);
    auto* directions = new QActionGroup(this);
    QAction* down = direction->addAction(QStringLiteral("向下滚动"));
    QAction* up = direction->addAction(QStringLiteral("向上滚动"));
    for (QAction* a : {down, up}) {
        a->setCheckable(true);
        directions->addAction(a);
    }
    down->setChecked(true);
    connect(down, &QAction::triggered, this, [this] { setScrollUp(false); });
    connect(up, &QAction::triggered, this, [this] { setScrollUp(true); });
    m_canvas->addAction(direction->menuAction());

    auto* speed = new QMenu(QStringLiteral("滚动速度"), this);
    auto* speeds = new QActionGroup(this);
    const std::pair<const char*, int> kSpeeds[] = {{"慢速", 1000}, {"中速", 800}, {"快速", 500}, {"特快", 300}};
    for (const auto& [caption, ms] : kSpeeds) {
        QAction* a = speed->addAction(QString::fromUtf8(caption));
        a->setCheckable(true);
        a->setChecked(ms == 1000);
        speeds->addAction(a);
        connect(a, &QAction::triggered, this, [this, ms] { setScrollSpeed(ms); });
    }
    m_canvas->addAction(speed->menuAction());
    auto* clear = new QAction(QStringLiteral("清除选号区"), this);
    connect(clear, &QAction::triggered, this, [this] { clearSelection(); });
    m_canvas->addAction(clear);
}

void ChartPage::refresh() {
    m_data = compute();
    if (m_layoutStale || m_grid.columns() != m_data.columns || m_grid.headerRows() != m_data.headerRows) {
        m_grid.setLayout(m_data);
        m_layoutStale = false;
    }
    if (m_first > m_data.records) m_first = 0;
    redraw();
}

void ChartPage::optionChanged() {
    m_layoutStale = true;
    m_first = 0;
    m_highlight = 0;
    m_offset = 0;
    invalidate();
}

void ChartPage::redraw() {
    if (m_layoutStale) return;
    const int visible = m_grid.visibleRows(m_canvas->height());
    if (m_first == 0) m_first = t_s_grid::defaultFirstRecord(m_data.records, visible);
    m_grid.fill(m_data, m_first, visible, m_highlight);
    followScrollBars();
    m_canvas->update();
}

void ChartPage::followScrollBars() {
    m_following = true;
    m_vertical->setRange(m_data.records > 0 ? 1 : 0, m_data.records);
    m_vertical->setValue(m_first);
    const int overflow = std::max(0, m_data.width() - m_canvas->width());
    m_horizontal->setRange(0, overflow);
    m_offset = std::min(m_offset, overflow);
    m_horizontal->setValue(m_offset);
    m_following = false;
}

void ChartPage::scrollTo(int record) {
    if (m_data.records == 0) return;
    m_first = std::clamp(record, 1, m_data.records);
    redraw();
}

void ChartPage::startScrolling() {
    m_timer.start();
    m_start->setChecked(true);
}

void ChartPage::stopScrolling() {
    m_timer.stop();
    m_stop->setChecked(true);
}

void ChartPage::setScrollUp(bool up) { m_up = up; }

void ChartPage::setScrollSpeed(int milliseconds) { m_timer.setInterval(milliseconds); }

void ChartPage::clearSelection() {
    m_grid.clearSelection();
    redraw();
}

void ChartPage::tick() {
    // Another page shown, or the end reached: the scrolling stops.
    if (!isVisible()) return stopScrolling();
    const bool newestInView = m_grid.selectionRow() >= 0;
    if ((!m_up && newestInView) || (m_up && m_first <= 1)) return stopScrolling();
    scrollTo(m_first + (m_up ? -1 : 1));
}

void ChartPage::clickCell(int column, int gridRow) {
    if (gridRow < m_grid.headerRows() || column < 0 || column >= m_grid.columns()) return;
    if (gridRow == m_grid.selectionRow()) {
        m_grid.clickSelection(column);
    } else {
        const int record = m_grid.recordAt(gridRow - m_grid.headerRows());
        if (record == 0) return;
        m_highlight = record;
    }
    redraw();
}

// ---- Canvas --------------------------------------------------------------------------------

ChartCanvas::ChartCanvas(ChartPage& page) : QWidget(&page), m_page(page) {
    setObjectName(QStringLiteral("chart_canvas"));
    setMinimumSize(200, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QRect ChartCanvas::cellRect(int column, int row) const {
    const t_s_grid& g = m_page.m_grid;
    int x = 0;
    for (int c = 0; c < column; ++c) x += g.widths()[static_cast<size_t>(c)];
    if (column >= g.fixedColumns()) x -= m_page.m_offset;
    return {x, row * kChartRowHeight, g.widths()[static_cast<size_t>(column)], kChartRowHeight};
}

bool ChartCanvas::cellAt(const QPoint& point, int& column, int& row) const {
    const t_s_grid& g = m_page.m_grid;
    row = point.y() / kChartRowHeight;
    if (row >= g.rows() || g.columns() == 0) return false;
    const int fixedRight = cellRect(g.fixedColumns() - 1, 0).right();
    for (int c = 0; c < g.columns(); ++c) {
        const QRect r = cellRect(c, row);
        // Scrolled columns passing under the fixed ones are hidden there.
        if (r.width() > 0 && r.contains(point) && (c < g.fixedColumns() || point.x() > fixedRight)) {
            column = c;
            return true;
        }
    }
    return false;
}

void ChartCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const t_s_grid& g = m_page.m_grid;
    if (g.columns() == 0) return;
    const int fixedWidth = [&] {
        int w = 0;
        for (int c = 0; c < g.fixedColumns(); ++c) w += g.widths()[static_cast<size_t>(c)];
        return w;
    }();
    const int rows = std::min(g.rows(), g.headerRows() + g.dataRows());
    // Backgrounds and borders, then the trend lines, then the marks and texts over them.
    const auto paintColumns = [&](int from, int to, bool clip) {
        painter.save();
        if (clip) painter.setClipRect(QRect(fixedWidth, 0, width() - fixedWidth, height()));
        const auto eachCell = [&](auto&& paint) {
            for (int row = 0; row < rows; ++row)
                for (int c = from; c < to; ++c) {
                    const t_s_cell& cell = g.cell(c, row);
                    if (!cell.visible) continue;
                    QRect r = cellRect(c, row);
                    if (cell.mergeTo > c) r.setRight(cellRect(cell.mergeTo, row).right());
                    if (r.right() >= 0 && r.left() <= width()) paint(cell, r, c);
                    if (cell.mergeTo > c) c = cell.mergeTo;
                }
        };
        eachCell([&](const t_s_cell& cell, const QRect& r, int) {
            painter.fillRect(r, cell.highlighted ? QColor(150, 230, 150) : rgb(cell.background));
            painter.setPen(QColor(200, 200, 200));
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        });
        painter.setPen(QPen(QColor(60, 60, 200), 1));
        for (int row = g.headerRows(); row + 1 < rows; ++row)
            for (int c = from; c < to; ++c) {
                const int link = g.cell(c, row).link;
                if (link >= 0) painter.drawLine(cellRect(c, row).center(), cellRect(link, row + 1).center());
            }
        eachCell([&](const t_s_cell& cell, const QRect& r, int c) {
            if (cell.marked) m_page.m_pictures.draw(painter, 4, cell.frame, r);
            if (cell.text.empty()) return;
            painter.setPen(cell.marked ? Qt::white : Qt::black);
            // The draw texts of the fixed columns read from the left.
            const bool draw = c > 0 && c < g.fixedColumns() && r.top() / kChartRowHeight >= g.headerRows();
            painter.drawText(draw ? r.adjusted(3, 0, 0, 0) : r,
                             draw ? Qt::AlignVCenter | Qt::AlignLeft : Qt::AlignCenter,
                             QString::fromStdString(cell.text));
        });
        painter.restore();
    };
    paintColumns(g.fixedColumns(), g.columns(), true);
    paintColumns(0, g.fixedColumns(), false);
}

void ChartCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    int column = 0, row = 0;
    if (cellAt(event->position().toPoint(), column, row)) m_page.clickCell(column, row);
}

void ChartCanvas::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() > 0 ? -1 : 1;
    m_page.scrollTo(m_page.m_first + steps);
}

void ChartCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_page.redraw();
}

}  // namespace lottodesk
