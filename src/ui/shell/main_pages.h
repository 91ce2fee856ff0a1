#pragma once
// The page table of the main window: every page of `pagecontrol1` in page-control order, with the
// factory of the window it hosts. A page whose window is not built yet has no factory; its menu
// command is disabled.

#include <span>

#include "ui/shell/main_services.h"

class QWidget;

namespace lottodesk {

// The pages in page-control order.
enum class PageId { tjq, zh, fxd, moredb, zbpx, zbpxz, tdsh, set };

struct PageEntry {
    PageId id;
    const char* name;     // object name of the page ("ts_" + unit)
    const char* caption;  // tab caption
    // Creates the page's window (a QWidget that is a MainPage) inside `parent`; nullptr: none yet.
    QWidget* (*create)(PageContext& context, QWidget* parent);
};

std::span<const PageEntry> mainPages();

}  // namespace lottodesk
