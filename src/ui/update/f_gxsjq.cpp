#include "ui/update/f_gxsjq.h"
#include "ui/common/maskedfield.h"

#include <QDir>
#include <QEvent>
#include <QHeaderView>
#include <algorithm>

#include "core/drawupdate.h"
#include "core/fileio.h"
#include "core/workspace.h"
#include "ui/update/f_addsj.h"
#include "ui/update/f_xgzh.h"
#include "ui/common/filechooser.h"
#include "ui/update/gxsjq_historymodel.h"
#include "ui/common/prompts.h"
#include "ui_f_gxsjq.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }
std::string s(const QString& text) { return text.toStdString(); }

// A secondary box showing only its mask's separators holds no numbers.
QString numbersOf(const QLineEdit* box) {
    const QString text = box->text();
    for (QChar c : text)
        if (c != QLatin1Char('-') && !c.isSpace()) return text;
    return {};
}

}  // namespace

Tf_gxsjq::Tf_gxsjq(Workspace& ws, Prompts& prompts, FileChooser& files, std::function<void(QWidget*)> onlineUpdate,
                   QWidget* parent)
    : QDialog(parent),
      m_ws(ws),
      m_prompts(prompts),
      m_files(files),
      m_onlineUpdate(std::move(onlineUpdate)),
      m_ui(new Ui::Tf_gxsjq),
      m_model(new HistoryModel(ws, this)),
      m_edit(new Tf_xgzh(this)),
      m_board(new Tf_addsj(ws, prompts, this)),
      m_runDialog([](QDialog& dialog) { return dialog.exec(); }) {
    m_ui->setupUi(this);
    m_ui->sg_sjk->setModel(m_model);
    connect(m_ui->sg_sjk->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { showPrizeTable(); });
    m_ui->sg_sjk->horizontalHeader()->setMinimumSectionSize(1);
    // The number board is offered openly (it used to appear only after a double-click on the group).
    m_ui->b_picadd->setToolTip(QStringLiteral("在号码盘上点选号码添加开奖数据"));
    m_ui->Button2->setDefault(true);
    // A draw line pasted into 期数 fills the whole draw.
    keepTypingInMaskedField(m_ui->e_qs, [this](const QString& text) {
        return fillFromDrawLine(text, m_ws.game.zhgs, m_ws.game.fhgs, m_ui->e_qs, m_ui->e_zh, m_ui->e_spec);
    });
    keepTypingInMaskedField(m_ui->e_zh);
    keepTypingInMaskedField(m_ui->e_spec);

    connect(m_ui->Button2, &QPushButton::clicked, this, [this] { addTyped(); });
    connect(m_ui->b_picadd, &QPushButton::clicked, this, [this] { addOnBoard(); });
    connect(m_ui->b_modify, &QPushButton::clicked, this, [this] { modifySelected(); });
    connect(m_ui->b_delete, &QPushButton::clicked, this, [this] { deleteSelected(); });
    connect(m_ui->Button4, &QPushButton::clicked, this, [this] { clearAll(); });
    connect(m_ui->b_adddr, &QPushButton::clicked, this, [this] { importFile(false); });
    connect(m_ui->b_overlapdr, &QPushButton::clicked, this, [this] { importFile(true); });
    connect(m_ui->b_dc, &QPushButton::clicked, this, [this] { exportFile(); });
    connect(m_ui->Button1, &QPushButton::clicked, this, [this] { updateOnline(); });
}

Tf_gxsjq::~Tf_gxsjq() = default;

QTableView* Tf_gxsjq::grid() const { return m_ui->sg_sjk; }

void Tf_gxsjq::showEvent(QShowEvent* event) {
    const tcpstyle& type = m_ws.current();
    m_ui->e_zh->setInputMask(numberGroupMask(m_ws.game.zhgs));
    m_ui->e_spec->setInputMask(numberGroupMask(m_ws.game.fhgs));
    m_ui->l_zh->setText(q(type.zhname));
    m_ui->l_spec->setText(q(type.specname));
    fillGrid();
    QDialog::showEvent(event);
}

void Tf_gxsjq::fillGrid() {
    m_prizes = loadPrizeTables(prizeTablePath(m_ws.folder, m_ws.curcp));
    m_model->reset();
    QTableView* grid = m_ui->sg_sjk;
    const int width = grid->fontMetrics().horizontalAdvance(QStringLiteral(" 红号一 "));
    for (int column = 0; column < m_model->columnCount(); ++column)
        grid->horizontalHeader()->resizeSection(column, width);
    // The period column fits a seven-digit period and "预测区".
    const int periodWidth = std::max(grid->fontMetrics().horizontalAdvance(QStringLiteral(" 2026096 ")),
                                     grid->fontMetrics().horizontalAdvance(QStringLiteral(" 预测区 ")));
    if (m_model->columnCount() > 0) grid->horizontalHeader()->resizeSection(0, std::max(width, periodWidth));
    const int rows = m_model->rowCount();
    showPrizeTable();
    if (rows == 0) return;
    const QModelIndex last = m_model->index(rows - 1, std::min(1, m_model->columnCount() - 1));
    grid->setCurrentIndex(last);
    grid->scrollTo(last);
    grid->setFocus();
}

void Tf_gxsjq::showPrizeTable() {
    const int record = selectedRecord();
    const auto table = record > 0 ? m_prizes.find(m_ws.sjk.FieldValueAt(record, 0)) : m_prizes.end();
    m_ui->l_prize->setText(table == m_prizes.end() ? QString() : q(prizeTableDisplay(table->second)));
    m_ui->l_prize->setVisible(table != m_prizes.end());
}

int Tf_gxsjq::selectedRecord() const {
    const QModelIndex current = m_ui->sg_sjk->currentIndex();
    if (!current.isValid() || current.row() >= m_model->rowCount()) return 0;
    return HistoryModel::recordOfRow(current.row());
}

void Tf_gxsjq::showStatus(const std::string& message) { m_prompts.inform(this, q(message)); }

void Tf_gxsjq::addTyped() {
    const DrawParse parse = parseTypedDraw(m_ws.game, m_ws.current(), s(m_ui->e_qs->text()), s(m_ui->e_zh->text()),
                                           s(numbersOf(m_ui->e_spec)));
    if (!parse.ok()) {
        showStatus(parse.error);
        return;
    }
    const Status added = addDraw(m_ws.sjk, parse.record);
    if (!added) showStatus(added.message);
    if (added || added.message == kPeriodExistsMessage) {
        m_ui->e_qs->clear();
        m_ui->e_zh->clear();
        m_ui->e_spec->clear();
    }
    fillGrid();
}

void Tf_gxsjq::addOnBoard() {
    m_board->e_qs()->clear();
    m_runDialog(*m_board);
    fillGrid();
}

void Tf_gxsjq::modifySelected() {
    const int record = selectedRecord();
    if (record == 0) {
        m_prompts.inform(this, QStringLiteral("请先在上边的列表中选择一期需要修改的号码"));
        return;
    }
    const GameParams& game = m_ws.game;
    const tcpstyle& type = m_ws.current();
    const int32_t* values = m_ws.sjk.record(record);
    // A record holds 50 numbers at most, whatever the type file says.
    const int mainCount = std::clamp(game.zhgs, 0, kSlots - 1);
    const int secondaryCount = std::clamp(game.fhgs, 0, kSlots - 1 - mainCount);
    m_edit->setMasks(game.zhgs, game.fhgs, q(type.zhname), q(type.specname));
    m_edit->e_qs()->setText(QString::number(values[0]));
    m_edit->e_zh()->setText(q(joinNumberGroups(values + 1, mainCount)));
    m_edit->e_spec()->setText(q(joinNumberGroups(values + 1 + mainCount, secondaryCount)));
    m_edit->setWindowTitle(QStringLiteral("修改开奖号"));
    for (QWidget* shown : {static_cast<QWidget*>(m_edit->l_qs()), static_cast<QWidget*>(m_edit->e_qs()),
                           static_cast<QWidget*>(m_edit->l_spec()), static_cast<QWidget*>(m_edit->e_spec())})
        shown->setVisible(true);
    if (m_runDialog(*m_edit) != QDialog::Accepted) return;

    const DrawParse parse = parseTypedDraw(game, type, s(m_edit->e_qs()->text()), s(m_edit->e_zh()->text()),
                                           s(numbersOf(m_edit->e_spec())));
    if (!parse.ok()) {
        showStatus(parse.error);
        return;
    }
    const Status modified = modifyDraw(m_ws.sjk, record, parse.record, mainCount + secondaryCount);
    if (!modified) showStatus(modified.message);
    m_edit->clearBoxes();
    fillGrid();
}

void Tf_gxsjq::deleteSelected() {
    const int record = selectedRecord();
    if (record == 0) {
        m_prompts.inform(this, QStringLiteral("请先在上边的列表中选择一期需要删除的号码"));
        return;
    }
    if (!m_prompts.ask(this, QStringLiteral("删除"), QStringLiteral("是否删除当前记录？"), false)) return;
    const Status deleted = deleteDraw(m_ws.sjk, record);
    if (!deleted) showStatus(deleted.message);
    fillGrid();
}

void Tf_gxsjq::clearAll() {
    if (!m_prompts.ask(this, QStringLiteral("确认"),
                       QStringLiteral("清空数据库后，数据库里的数据都将被删除，是否继续?"), false))
        return;
    const Status cleared = clearHistory(m_ws.sjk);
    if (!cleared) showStatus(cleared.message);
    fillGrid();
}

void Tf_gxsjq::importFile(bool overwrite) {
    const QString title = overwrite ? QStringLiteral(" 覆盖方式导入文件") : QStringLiteral(" 追加方式导入文件");
    const QString name = m_files.openFile(this, title, QStringLiteral("所要导入的文件 (*.txt)"), saveFolder(m_ws));
    if (name.isEmpty()) return;
    const QString specname = q(m_ws.current().specname);
    const bool withSecondary =
        m_prompts.ask(this, QStringLiteral("选择"), QStringLiteral("是否有") + specname + QStringLiteral("?"), true);
    // The engine reads the file in blocks and refuses one that is too large or malformed as a
    // whole; an import that landed says what it added.
    const ImportOutcome outcome = importDrawFile(m_ws.sjk, m_ws.game, s(name), withSecondary, overwrite);
    if (!outcome.status)
        showStatus(outcome.status.message);
    else if (!outcome.summary.empty())
        m_prompts.inform(this, q(outcome.summary));
    fillGrid();
}

void Tf_gxsjq::exportFile() {
    if (!m_ws.sjk.saveRefusal().empty()) {  // a data transform is applied
        showStatus(kTransformedExportMessage);
        return;
    }
    const QString name = m_files.saveFile(this, QStringLiteral("导出到文本文件"), QStringLiteral("文本文件 (*.txt)"),
                                          saveFolder(m_ws));
    if (name.isEmpty()) return;
    const QString specname = q(m_ws.current().specname);
    const bool withSecondary =
        m_prompts.ask(this, QStringLiteral("选择"), QStringLiteral("是否有") + specname + QStringLiteral("？"), true);
    const Status saved =
        exportDrawFile(m_ws.sjk, m_ws.game, exportFileName(s(name)), withSecondary);
    if (!saved)
        showStatus(saved.message);
    else
        m_prompts.inform(this, QStringLiteral("已导出到：") +
                                   QDir::toNativeSeparators(QString::fromStdString(exportFileName(s(name)))));
}

void Tf_gxsjq::updateOnline() {
    if (m_onlineUpdate) m_onlineUpdate(this);
    fillGrid();
}

}  // namespace lottodesk
