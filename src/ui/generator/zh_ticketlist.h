#pragma once
// ZhTicketList: the result grid of the secondary-zone page (the pairs of "副区过滤") and of the
// two-zone page (the complete tickets of "双区匹配"), with the popup commands both lists share:
// "保存组号", "载入组号", "加到预测区", "清除预测区", "添加组号", "删除组号", "修改组号". Both hold
// two-zone records; the secondary list uses only their secondary numbers. After a prize check the
// two-zone list shows the column "中奖情况".
//
// Edited tickets are stored as typed, and every edit clears the prize column.

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "generator/prizecheck.h"
#include "generator/twozone.h"

class QDialog;
class QMenu;
class QTableView;

namespace lottodesk {

struct Workspace;
class FileChooser;
class Prompts;
class Tf_xgzh;
class ZhTicketListModel;

class ZhTicketList : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Secondary, TwoZone };
    using DialogRunner = std::function<int(QDialog&)>;

    ZhTicketList(Kind kind, Workspace& ws, Prompts& prompts, FileChooser& files, QWidget* parent = nullptr);
    ~ZhTicketList() override;

    const std::vector<TwoZoneTicket>& tickets() const { return m_tickets; }
    // Replaces the list; the prize column is hidden until the next check.
    void setTickets(std::vector<TwoZoneTicket> tickets);
    // The list after a prize check of its tickets in place: shown again with "中奖情况".
    std::vector<TwoZoneTicket>& ticketsForCheck() { return m_tickets; }
    // `amounts`: per level, what one ticket won (-1 floating); empty for no "奖金" column.
    void showRewards(const RewardSummary& summary, std::vector<long long> amounts = {});
    // The width the list needs to show every column.
    int wantedWidth() const { return m_wantedWidth; }
    // The game changed: columns for its zones, an empty list.
    void resetForType();

    QTableView* grid() const { return m_grid; }
    QMenu* popup() const { return m_popup; }
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    std::optional<size_t> selected() const;

    // The popup commands. Files: ".txt" appended unless the name holds it; a file that cannot be
    // read or holds a field that is not a number 0..255 changes nothing and says which line.
    void saveTickets();
    void loadTickets();
    void addTicket();
    void modifyTicket();
    void deleteTicket();
    void addToPrediction();
    void clearPrediction();

Q_SIGNALS:
    // The list changed (a load, an edit): the page updates its count and status.
    void changed();
    // A file was written at `path` (the page says where).
    void fileWritten(const QString& path);

private:
    int mainCount() const;
    int secondaryCount() const;
    // The ticket dialog preset with `ticket` (empty when null); the typed ticket, or nothing.
    std::optional<TwoZoneTicket> editTicket(const QString& caption, const TwoZoneTicket* ticket);
    void showList();

    Kind m_kind;
    Workspace& m_ws;
    Prompts& m_prompts;
    FileChooser& m_files;
    std::vector<TwoZoneTicket> m_tickets;
    ZhTicketListModel* m_model;
    int m_wantedWidth = 0;
    QTableView* m_grid;
    QMenu* m_popup;
    Tf_xgzh* m_edit = nullptr;  // made when first needed
    DialogRunner m_runDialog;
};

}  // namespace lottodesk
