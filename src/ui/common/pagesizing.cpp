#include "ui/common/pagesizing.h"

#include <QStackedWidget>
#include <QTabWidget>

namespace lottodesk {
namespace {

template <class Pages>
void applyPolicies(Pages* pages) {
    for (int i = 0; i < pages->count(); ++i) {
        QWidget* page = pages->widget(i);
        const bool current = i == pages->currentIndex();
        page->setSizePolicy(current ? QSizePolicy::Preferred : QSizePolicy::Ignored,
                            current ? QSizePolicy::Preferred : QSizePolicy::Ignored);
        // The widget's own layout has to be asked again.
        page->updateGeometry();
    }
}

}  // namespace

void sizeByCurrentPage(QStackedWidget* pages) {
    applyPolicies(pages);
    QObject::connect(pages, &QStackedWidget::currentChanged, pages, [pages] { applyPolicies(pages); });
    QObject::connect(pages, &QStackedWidget::widgetRemoved, pages, [pages] { applyPolicies(pages); });
}

void sizeByCurrentPage(QTabWidget* pages) {
    applyPolicies(pages);
    QObject::connect(pages, &QTabWidget::currentChanged, pages, [pages] { applyPolicies(pages); });
}

}  // namespace lottodesk
