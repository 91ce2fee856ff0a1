#include "ui/formula/f_fzsr.h"

#include <QEvent>
#include <QMouseEvent>
#include <QFontDatabase>
#include <QListWidget>

#include "formula/precheck.h"
#include "formula/selfzb.h"
#include "indicators/catalogue.h"
#include "ui/common/prompts.h"
#include "ui_f_fzsr.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

constexpr const char* kSelectEntryMessage = "请在列表框中双击你要输入的内容";
constexpr const char* kOperatorCaption = "运算符及函数";
constexpr const char* kSavedCaption = "保存的自定义指标";

// Object names of the pages and their lists, in the order of formulaDialogPageCaptions().
struct PageNames {
    const char* page;
    const char* list;
};
constexpr PageNames kPageNames[] = {
    {"ts_cg", "lb_cg"},     {"ts_hz", "lb_hz"},   {"ts_zf", "lb_zf"},     {"ts_yl", "lb_yl"},
    {"ts_xhxc", "lb_xhxc"}, {"ts_ysf", "lb_ysf"}, {"ts_save", "lb_save"}, {"ts_ylzf", "lb_ylzf"},
    {"ts_zfyl", "lb_zfyl"}, {"ts_lh", "lb_lh"},   {"ts_ws", "lb_ws"},
};

// The lines of a series with the names lined up in one column.
QStringList seriesLines(const CatalogueSeries& series) {
    const int column = catalogueNameColumn(series);
    QStringList lines;
    for (const CatalogueEntry& entry : series.entries) lines << q(catalogueLine(entry, column));
    return lines;
}

const CatalogueSeries* dialogSeries(const std::string& caption) {
    for (const CatalogueSeries& series : formulaDialogCatalogue())
        if (series.caption == caption) return &series;
    return nullptr;
}

}  // namespace

Tf_fzsr::Tf_fzsr(const std::string& programFolder, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_programFolder(programFolder), m_prompts(prompts), m_ui(new Ui::Tf_fzsr) {
    m_ui->setupUi(this);
    const std::vector<std::string>& captions = formulaDialogPageCaptions();
    static_assert(std::size(kPageNames) == 11);
    for (size_t i = 0; i < captions.size() && i < std::size(kPageNames); ++i)
        addPage(q(captions[i]), kPageNames[i].page, kPageNames[i].list);

    connect(m_ui->b_ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(m_ui->b_cancel, &QPushButton::clicked, this, [this] { reject(); });
}

Tf_fzsr::~Tf_fzsr() = default;

void Tf_fzsr::addPage(const QString& caption, const char* pageName, const char* listName) {
    auto* list = new QListWidget;
    list->setObjectName(QString::fromLatin1(listName));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Codes are plain ASCII: a fixed-pitch font keeps the names in one column.
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // A double-click anywhere in the list enters the selected entry, as in a list box; the
    // viewport sees double-clicks on blank space too, which the item signals do not report.
    list->viewport()->installEventFilter(this);

    const std::string captionText = caption.toStdString();
    if (captionText == kOperatorCaption) {
        list->addItems(seriesLines(formulaOperatorPage()));
        m_operators = list;
    } else if (captionText == kSavedCaption) {
        m_saved = list;
    } else if (const CatalogueSeries* series = dialogSeries(captionText)) {
        list->addItems(seriesLines(*series));
    }

    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(pageName));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list);
    m_ui->pc_lists->addTab(page, caption);
    m_lists.push_back(list);
}

QString Tf_fzsr::formula() const { return q(std::string(trimFormulaText(m_ui->e_fzsr->text().toStdString()))); }

void Tf_fzsr::clearFormula() { m_ui->e_fzsr->clear(); }

void Tf_fzsr::accept() {
    // A typed identifier that names no indicator would read as -999 everywhere: refused here.
    const std::string message = precheckEnteredFormula(formula().toStdString());
    if (!message.empty()) {
        m_prompts.warn(this, q(message));
        return;
    }
    QDialog::accept();
}

void Tf_fzsr::showEvent(QShowEvent* event) {
    fillSavedPage();
    if (m_operators) m_ui->pc_lists->setCurrentWidget(m_operators->parentWidget());
    m_ui->e_fzsr->setFocus();
    QDialog::showEvent(event);
}

void Tf_fzsr::fillSavedPage() {
    if (!m_saved) return;
    m_saved->clear();
    for (const std::string& line : loadSelfzbLines(m_programFolder)) m_saved->addItem(q(line));
}

bool Tf_fzsr::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (QListWidget* list : m_lists)
            if (watched == list->viewport()) {
                enterSelected(list, static_cast<QMouseEvent*>(event)->position().toPoint());
                break;
            }
    }
    return QDialog::eventFilter(watched, event);
}

void Tf_fzsr::enterSelected(QListWidget* list, QPoint position) {
    // The entry under the pointer; on blank space the selected entry, if any (a press on blank
    // space normally clears the selection, so that usually means the hint).
    QListWidgetItem* item = list->itemAt(position);
    if (item)
        list->setCurrentItem(item);
    else if (!list->selectedItems().isEmpty())
        item = list->selectedItems().front();
    if (!item) {
        m_prompts.inform(this, q(kSelectEntryMessage));
        return;
    }
    const std::string code = splitCatalogueLine(item->text().toStdString()).code;
    QLineEdit* edit = m_ui->e_fzsr;
    edit->setText(edit->text() + q(code));
    edit->setFocus();
    edit->setCursorPosition(static_cast<int>(edit->text().size()));
}

}  // namespace lottodesk
