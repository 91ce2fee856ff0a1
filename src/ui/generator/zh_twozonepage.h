#pragma once
// ZhTwoZonePage: the page "双区匹配" (`ts_sqzh`) of the generator. "开始匹配" joins the main results
// with the secondary results (of "副区过滤" or of the special-number page) in the chosen style
// ("顺序匹配", "随机匹配", "全组合匹配"); "机选组号" makes the count of random two-zone tickets typed
// beside it (10 when empty); "对奖" grades the list against the numbers of Tf_checkreward and shows
// the summary; "打印" writes the printout and shows it. The list has the shared popup commands.
//
// A refused match (over 50,000 tickets, an empty zone) says why and keeps the list.

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "generator/ticket.h"

class QDialog;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace lottodesk {

struct Workspace;
class FileChooser;
class Prompts;
class Tf_checkreward;
class ZhTicketList;

class ZhTwoZonePage : public QWidget {
    Q_OBJECT
public:
    // The two lists matching reads when it starts: the main results (read in place) and the
    // secondary results.
    using MainSource = std::function<const std::vector<Ticket>&()>;
    using TicketSource = std::function<std::vector<Ticket>()>;
    using DialogRunner = std::function<int(QDialog&)>;
    using PrintoutViewer = std::function<void(const QString& path)>;

    ZhTwoZonePage(Workspace& ws, Prompts& prompts, FileChooser& files, MainSource mainResults,
                  TicketSource secondaryResults, QWidget* parent = nullptr);
    ~ZhTwoZonePage() override;

    ZhTicketList* results() const { return m_results; }
    QLineEdit* summaryBox() const { return m_summary; }
    QLineEdit* countBox() const { return m_count; }
    Tf_checkreward* rewardDialog();
    void setDialogRunner(DialogRunner runner);
    void setPrintoutViewer(PrintoutViewer viewer) { m_showPrintout = std::move(viewer); }
    // A fixed seed for the random commands (tests); otherwise every run takes one from the system.
    void setSeed(std::optional<uint64_t> seed) { m_seed = seed; }

    void match();
    void pickRandom();
    void checkReward();
    void print();
    void resetForType();

Q_SIGNALS:
    void statusChanged(const QString& text);

private:
    uint64_t seed() const;

    Workspace& m_ws;
    Prompts& m_prompts;
    MainSource m_mainResults;
    TicketSource m_secondaryResults;
    QRadioButton* m_sequential;
    QRadioButton* m_random;
    QRadioButton* m_all;
    QLineEdit* m_count;
    QLineEdit* m_summary;
    QLabel* m_cost;  // "共N注，2N元", and after a check what the list won
    void showCost(const QString& winnings = {});
    ZhTicketList* m_results;
    Tf_checkreward* m_reward = nullptr;  // made when first needed
    DialogRunner m_runDialog;
    PrintoutViewer m_showPrintout;
    std::optional<uint64_t> m_seed;
};

}  // namespace lottodesk
