#include "ui/analysis/fxd_mosaicpage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "core/fileio.h"
#include "core/workspace.h"
#include "ui/analysis/f_combodialogs.h"
#include "ui/analysis/texttablemodel.h"
#include "ui/common/filechooser.h"
#include "ui/common/prompts.h"

namespace lottodesk {
namespace {

const QString kFilter = QStringLiteral("指标组合格式文件 (*.zbz)");

}  // namespace

MosaicPage::MosaicPage(const AnalysisContext& context, QWidget* parent)
    : AnalysisPage(parent), m_context(context), m_file(context.ws.path(kDefaultMosaicFile)) {
    setObjectName(QStringLiteral("ts_zbpt"));
    m_from = new QComboBox(this);
    m_from->setObjectName(QStringLiteral("combo_from"));
    m_to = new QComboBox(this);
    m_to->setObjectName(QStringLiteral("combo_to"));
    m_width = new QSpinBox(this);
    m_width->setObjectName(QStringLiteral("e_width"));
    m_width->setRange(10, 200);
    m_width->setValue(100);
    m_width->setPrefix(QStringLiteral("单元格宽度 "));
    auto* top = new QHBoxLayout;
    top->addWidget(m_from);
    top->addWidget(new QLabel(QStringLiteral("<=分析区域<="), this));
    top->addWidget(m_to);
    top->addWidget(m_width);
    const struct {
        const char* name;
        const char* text;
        void (MosaicPage::*run)();
    } commands[] = {{"b_refresh", "刷新", &MosaicPage::compute},
                    {"b_modify", "修改", &MosaicPage::modify},
                    {"b_create", "创建", &MosaicPage::create},
                    {"b_load", "载入", &MosaicPage::load},
                    {"b_default", "将当前组合设为默认", &MosaicPage::makeDefault}};
    for (const auto& c : commands) {
        auto* b = new QPushButton(QString::fromUtf8(c.text), this);
        b->setObjectName(QString::fromLatin1(c.name));
        connect(b, &QPushButton::clicked, this, c.run);
        top->addWidget(b);
    }
    top->addStretch(1);
    m_model = new TextTableModel(this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("sg_mosaic"));
    m_view->setModel(m_model);
    m_view->verticalHeader()->setVisible(false);
    m_view->verticalHeader()->setDefaultSectionSize(20);
    m_view->horizontalHeader()->setDefaultSectionSize(m_width->value());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_view, 1);
    connect(m_width, &QSpinBox::valueChanged, this,
            [this](int width) { m_view->horizontalHeader()->setDefaultSectionSize(width); });

    MosaicLoad loaded = loadMosaic(m_file, true);
    if (!loaded.status) m_context.prompts.warn(this, qtext(loaded.status.message));
    m_entries = std::move(loaded.entries);
}

void MosaicPage::refresh() {
    const std::vector<int32_t> periods = m_context.ws.sjk.realPeriods();
    const QString keptFrom = m_from->currentText(), keptTo = m_to->currentText();
    for (QComboBox* box : {m_from, m_to}) {
        box->clear();
        for (int32_t p : periods) box->addItem(QString::number(p));
    }
    const int count = static_cast<int>(periods.size());
    const int f = m_from->findText(keptFrom), t = m_to->findText(keptTo);
    m_from->setCurrentIndex(f >= 0 ? f : std::max(0, count - 100));
    m_to->setCurrentIndex(t >= 0 ? t : count - 1);
    compute();
}

void MosaicPage::compute() {
    const t_s_dm& history = m_context.ws.sjk;
    int first = history.indexOfPeriod(m_from->currentText().toInt());
    int last = history.indexOfPeriod(m_to->currentText().toInt());
    if (first > last) std::swap(first, last);
    // A prediction record after the last chosen draw is shown as its row "预测区".
    if (last == history.newestRealRecord()) last = history.RecordCount();
    ComboTable table = mosaicTable(m_context.ws, m_entries, first, last);
    m_model->setTable(std::move(table.header), std::move(table.rows));
    m_view->horizontalHeader()->setDefaultSectionSize(m_width->value());
    m_view->scrollToBottom();
}

bool MosaicPage::write(const std::string& path, std::vector<MosaicEntry> entries) {
    if (Status saved = saveMosaic(path, entries); !saved) {
        m_context.prompts.reportError(this, qtext(saved.message));
        return false;
    }
    m_entries = std::move(entries);
    m_file = path;
    compute();
    return true;
}

void MosaicPage::modify() {
    Tf_zbzh_set dialog(m_entries, this);
    if (m_runDialog(dialog) != QDialog::Accepted) return;
    write(m_file, dialog.entries());
}

void MosaicPage::create() {
    QString path = m_context.files.saveFile(this, QStringLiteral("保存指标组合"), kFilter,
                                            QString::fromStdString(m_context.ws.path("save")));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".zbz"), Qt::CaseInsensitive)) path += QStringLiteral(".zbz");
    Tf_zbzh_set dialog({}, this);
    if (m_runDialog(dialog) != QDialog::Accepted) return;
    write(path.toStdString(), dialog.entries());
}

void MosaicPage::load() {
    const QString path = m_context.files.openFile(this, QStringLiteral("载入指标组合"), kFilter,
                                                  QString::fromStdString(m_context.ws.path("save")));
    if (path.isEmpty()) return;
    MosaicLoad loaded = loadMosaic(path.toStdString());
    if (!loaded.status) {
        m_context.prompts.reportError(this, qtext(loaded.status.message));
        return;  // the current list and file stay
    }
    m_entries = std::move(loaded.entries);
    m_file = path.toStdString();
    compute();
}

void MosaicPage::makeDefault() {
    const std::string current = m_file;
    if (write(m_context.ws.path(kDefaultMosaicFile), m_entries)) {
        m_file = current;  // the default is a copy; the current file stays current
        m_context.prompts.inform(this, QStringLiteral("当前组合已设为默认"));
    }
}

void addMosaicPage(Tf_fxd& window, const AnalysisContext& context) {
    window.addPage(MosaicPage::caption(), new MosaicPage(context));
}

}  // namespace lottodesk
