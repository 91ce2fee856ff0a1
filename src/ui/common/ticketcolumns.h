#pragma once
// Ticket grids show every number of a ticket and its prize columns without scrolling: number
// columns as narrow as two digits (or their caption), the row label and text columns as wide as
// their widest text on the page. The splitter beside a list then gives it the width it needs.

class QSplitter;
class QTableView;

namespace lottodesk {

// Sizes the grid's columns to their contents and returns the width the grid needs to show them
// all (columns, vertical scroll bar, frame).
int fitTicketColumns(QTableView* grid);

// Gives pane `pane` of `splitter` `width` pixels and the other panes the rest (each keeps its
// minimum); a splitter not laid out yet is left alone (ask again when it is shown).
void giveSplitterPaneWidth(QSplitter* splitter, int pane, int width);

}  // namespace lottodesk
