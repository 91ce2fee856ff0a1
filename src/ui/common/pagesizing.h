#pragma once
// A stacked or tabbed widget asks for the room of its largest page, shown or not; a window with a
// wide hidden page then cannot shrink to a small screen. These make only the current page count:
// the others get the Ignored size policy until they are shown.

class QStackedWidget;
class QTabWidget;

namespace lottodesk {

void sizeByCurrentPage(QStackedWidget* pages);
void sizeByCurrentPage(QTabWidget* pages);

}  // namespace lottodesk
