#include "ui/shell/main_homepanel.h"

#include <QDate>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

#include "analysis/homesummary.h"
#include "core/workspace.h"
#include "ui/charts/cellgrid.h"

namespace lottodesk {
namespace {

constexpr uint8_t kBallPicture = 2;  // balls drawn through their mask
constexpr uint8_t kRedBall = 0;
constexpr uint8_t kBlueBall = 1;
constexpr int kCell = 26;
constexpr int kNumbersPerRow = 10;  // the omission table wraps its numbers in rows of ten

QString q(const std::string& text) { return QString::fromStdString(text); }

CellGridView* ballGrid(const CellPictures& pictures, const QString& name, QWidget* parent) {
    auto* grid = new CellGridView(pictures, parent);
    grid->setObjectName(name);
    grid->horizontalHeader()->setVisible(false);
    grid->horizontalHeader()->setDefaultSectionSize(kCell);
    grid->verticalHeader()->setDefaultSectionSize(kCell);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setShowGrid(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

// The grid as wide as its columns, so the balls are never cut and nothing wider is asked for.
void fitWidth(CellGridView* grid) {
    int width = grid->verticalHeader()->sizeHint().width() + 2 * grid->frameWidth();
    width += grid->gridModel()->columnCount() * kCell;
    if (grid->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        width += grid->verticalScrollBar()->sizeHint().width();
    grid->setFixedWidth(width);
}

// Rows of `kNumbersPerRow` balls lo..hi, each followed by the row of their omissions.
void addOmissionRows(CellTable& table, int row, int lo, int hi, const std::vector<int32_t>& omissions, uint8_t colour,
                     const QString& zone) {
    for (int first = lo; first <= hi; first += kNumbersPerRow, row += 2) {
        table.rowTitles[row] = zone;
        table.rowTitles[row + 1] = QStringLiteral("遗漏");
        for (int c = 0; c < kNumbersPerRow && first + c <= hi; ++c) {
            const int number = first + c;
            table.at(row, c) = number;
            table.lookAt(row, c) = {kBallPicture, colour, true};
            table.at(row + 1, c) = omissions[static_cast<size_t>(number - lo)];
        }
    }
}

int rowsFor(int lo, int hi) { return hi >= lo ? 2 * ((hi - lo) / kNumbersPerRow + 1) : 0; }

}  // namespace

HomePanel::HomePanel(const Workspace& ws, const CellPictures& pictures, QWidget* parent)
    : QWidget(parent),
      m_ws(ws),
      m_title(new QLabel(this)),
      m_game(new QLabel(this)),
      m_period(new QLabel(this)),
      m_recentTitle(new QLabel(this)),
      m_omissionTitle(new QLabel(QStringLiteral("当前遗漏（距上次开出的期数）"), this)),
      m_recent(ballGrid(pictures, QStringLiteral("sg_recent"), this)),
      m_omission(ballGrid(pictures, QStringLiteral("sg_omission"), this)) {
    setObjectName(QStringLiteral("homePanel"));
    setAutoFillBackground(true);
    m_title->setObjectName(QStringLiteral("l_game"));
    m_game->setObjectName(QStringLiteral("l_shape"));
    m_period->setObjectName(QStringLiteral("l_period"));
    QFont title = font();
    title.setPointSizeF(title.pointSizeF() * 2.0);
    title.setBold(true);
    m_title->setFont(title);
    m_omission->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // The windows of a player's week, one click away.
    auto* quick = new QHBoxLayout;
    const std::pair<const char*, const char*> commands[] = {
        {"数据更新", "n_gxsjq"}, {"综合分析", "n_fxd"}, {"超强组号", "n_zh"}, {"定胆杀号", "n_tdsh"}};
    for (const auto& [caption, name] : commands) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QStringLiteral("b_home_") + QString::fromLatin1(name));
        button->setMinimumHeight(32);
        const QString command = QString::fromLatin1(name);
        connect(button, &QPushButton::clicked, this, [this, command] { Q_EMIT commandRequested(command); });
        quick->addWidget(button);
    }
    quick->addStretch();
    auto* hint = new QLabel(QStringLiteral("更多页面在“功能组件”菜单中；“数据更新维护”菜单选择彩种。按F1查看本页帮助。"), this);
    hint->setForegroundRole(QPalette::PlaceholderText);
    hint->setWordWrap(true);

    auto* grids = new QGridLayout;
    grids->addWidget(m_recentTitle, 0, 0);
    grids->addWidget(m_omissionTitle, 0, 1);
    grids->addWidget(m_recent, 1, 0, Qt::AlignLeft);
    grids->addWidget(m_omission, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    grids->setColumnStretch(2, 1);
    grids->setRowStretch(1, 1);
    grids->setHorizontalSpacing(24);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 16, 32, 12);
    layout->addWidget(m_title);
    layout->addWidget(m_game);
    layout->addWidget(m_period);
    layout->addLayout(quick);
    layout->addLayout(grids, 1);
    layout->addWidget(hint);
}

void HomePanel::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void HomePanel::refresh() {
    const tcpstyle& type = m_ws.current();
    const GameParams& game = m_ws.game;
    m_title->setText(q(type.cpmm));
    QString shape =
        QStringLiteral("%1 %2..%3 选 %4 个").arg(q(type.zhname)).arg(game.zh_from).arg(game.zh_to).arg(game.zhgs);
    if (game.fhgs > 0)
        shape += QStringLiteral("，%1 %2..%3 选 %4 个")
                     .arg(q(type.specname))
                     .arg(game.spec_from)
                     .arg(game.spec_to)
                     .arg(game.fhgs);
    m_game->setText(shape);

    // The real draws: the history in memory, or its file while the numbers in memory are transformed.
    const t_s_dm* draws = &m_ws.sjk;
    if (m_ws.transform != 0) {
        m_realDraws.SetFileName(m_ws.historyPath(m_ws.curcp));
        if (m_realDraws.Open()) draws = &m_realDraws;
    }
    const HomeSummary s = homeSummary(DrawHistory::of(*draws), game, QDate::currentDate().year());
    const bool any = s.draws > 0;
    m_period->setText(
        any ? QStringLiteral("最新一期 %1（共 %2 期）　下一期 %3").arg(s.newestPeriod).arg(s.draws).arg(s.nextPeriod)
            : QStringLiteral("暂无开奖数据"));
    for (QWidget* part : {static_cast<QWidget*>(m_recentTitle), static_cast<QWidget*>(m_omissionTitle),
                          static_cast<QWidget*>(m_recent), static_cast<QWidget*>(m_omission)})
        part->setVisible(any);
    if (!any) return;

    // The last draws, newest at the bottom as in the history grid.
    auto recent = std::make_shared<CellTable>();
    const int rows = static_cast<int>(s.recentPeriods.size());
    recent->resize(rows, s.numbersPerDraw);
    recent->rowTitles.resize(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        recent->rowTitles[r] = QString::number(s.recentPeriods[r]);
        for (int c = 0; c < s.numbersPerDraw; ++c) {
            recent->at(r, c) = s.recentNumbers[static_cast<size_t>(r) * s.numbersPerDraw + c];
            recent->lookAt(r, c) = {kBallPicture, c < game.zhgs ? kRedBall : kBlueBall, true};
        }
    }
    m_recentTitle->setText(QStringLiteral("最近%1期").arg(rows));
    m_recent->setTable(recent);
    fitWidth(m_recent);
    m_recent->showLastRow();

    auto omission = std::make_shared<CellTable>();
    const int mainRows = rowsFor(game.zh_from, game.zh_to);
    const bool secondary = !s.secondaryOmissions.empty();
    const int totalRows = mainRows + (secondary ? rowsFor(game.spec_from, game.spec_to) : 0);
    omission->resize(totalRows, kNumbersPerRow);
    omission->rowTitles.resize(static_cast<size_t>(totalRows));
    addOmissionRows(*omission, 0, game.zh_from, game.zh_to, s.mainOmissions, kRedBall, q(type.zhname));
    if (secondary)
        addOmissionRows(*omission, mainRows, game.spec_from, game.spec_to, s.secondaryOmissions, kBlueBall,
                        q(type.specname));
    omission->twoDigits = false;  // omissions read as counts; the balls follow
    m_omission->setTable(omission);
    fitWidth(m_omission);
    // The whole table shows (at most ten rows of balls for a 1..49 game with a secondary zone).
    m_omission->setFixedHeight(2 * m_omission->frameWidth() + totalRows * kCell);
}

}  // namespace lottodesk
