#pragma once
// The chart pages of "更多图表" ("特性分布", "扩展图表", "田野走势图"): a page computes its chart
// over the whole history once (on showing, "刷新" or an option change); scrolling, clicks and the
// automatic scrolling only refill the rows in view and paint them with the pre-scaled cell
// pictures.

#include <QTimer>
#include <QWidget>

#include "analysis/chartgrid.h"
#include "ui/analysis/analysisshell.h"
#include "ui/common/cellpictures.h"

class QAction;
class QHBoxLayout;
class QScrollBar;

namespace lottodesk {

class ChartCanvas;

class ChartPage : public AnalysisPage {
    Q_OBJECT
public:
    // `pictures`: the program's cell pictures, which draw the marks.
    ChartPage(Workspace& ws, const CellPictures& pictures, const char* name, QWidget* parent = nullptr);

    void refresh() override;
    // Refills the rows in view and repaints (no recomputation).
    void redraw();

    const ChartData& data() const { return m_data; }
    const t_s_grid& grid() const { return m_grid; }
    QWidget* canvas() const;
    int firstRecord() const { return m_first; }
    int highlightRecord() const { return m_highlight; }
    bool scrolling() const { return m_timer.isActive(); }
    int scrollInterval() const { return m_timer.interval(); }

    // The chart commands (the context menu holds the same actions).
    void startScrolling();
    void stopScrolling();
    void setScrollUp(bool up);
    void setScrollSpeed(int milliseconds);  // 1000, 800, 500 or 300
    void clearSelection();
    void scrollTo(int record);
    // A click at a grid cell (row counted from the top of the grid).
    void clickCell(int column, int gridRow);
    // One tick of the automatic scrolling.
    void tick();
    // The window is shown again: the chart starts over.
    virtual void reset() { optionChanged(); }

protected:
    virtual ChartData compute() = 0;
    // An option of the page changed: the chart starts over (first record, highlight, offset and
    // selection row) and is recomputed.
    void optionChanged();
    QHBoxLayout* bar() const { return m_bar; }
    Workspace& m_ws;

private:
    friend class ChartCanvas;
    void buildMenu();
    void followScrollBars();

    ChartData m_data;
    t_s_grid m_grid;
    bool m_layoutStale = true;
    int m_first = 0;  // 0: not placed yet
    int m_highlight = 0;
    int m_offset = 0;
    bool m_up = false;
    bool m_following = false;
    QTimer m_timer;
    const CellPictures& m_pictures;
    QHBoxLayout* m_bar = nullptr;
    ChartCanvas* m_canvas = nullptr;
    QScrollBar* m_vertical = nullptr;
    QScrollBar* m_horizontal = nullptr;
    QAction* m_start = nullptr;
    QAction* m_stop = nullptr;
};

// The painted chart of a page.
class ChartCanvas : public QWidget {
    Q_OBJECT
public:
    explicit ChartCanvas(ChartPage& page);
    // The grid cell under a point; false outside the cells.
    bool cellAt(const QPoint& point, int& column, int& row) const;
    QRect cellRect(int column, int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ChartPage& m_page;
};

}  // namespace lottodesk
