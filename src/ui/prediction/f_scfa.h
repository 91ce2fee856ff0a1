#pragma once
// Tf_scfa: the formula search and scheme optimisation dialog. The caller presets the kind, the
// mode and the boxes; "开始生成" runs the search on a worker thread (one seeded generator per run),
// the found formulas appear whole with their accuracy as they come, "停止生成" stops at once, and "应用"
// hands back the formulas this run accepted (disabled while searching or when there are none).

#include <QDialog>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "prediction/formulasearch.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace lottodesk {

class Prompts;

class Tf_scfa : public QDialog {
    Q_OBJECT
public:
    Tf_scfa(const Workspace& ws, Prompts& prompts, QWidget* parent = nullptr);
    ~Tf_scfa() override;

    // The caller's presets: kind code (or target formula), formulas wanted (1: single mode),
    // value range and the low end of the target accuracy.
    void preset(const std::string& kind, int wanted, int low, int high, int accuracyLow);
    // The seed of the next run; without one each run takes a fresh seed.
    void setSeed(std::optional<uint64_t> seed) { m_seed = seed; }

    void startSearch();
    void stopSearch();
    bool isSearching() const { return m_thread.joinable(); }
    // Waits until the running search ends by itself (tests).
    void waitForEnd();
    // The formulas the last run accepted.
    std::vector<std::string> results() const;
    uint64_t tried() const;

    QPushButton* startButton() const { return m_start; }
    QPushButton* applyButton() const { return m_apply; }
    // The formulas found, one row each: "正确率" then the whole formula ("公式").
    QTableWidget* foundList() const { return m_found; }
    QCheckBox* fastBox() const { return m_fast; }
    QRadioButton* randomButton() const { return m_random; }

private:
    SearchParams readParams(bool& ok);
    void poll();
    void showProgress();
    void finish();
    void setInputsEnabled(bool on);

    const Workspace& m_ws;
    Prompts& m_prompts;
    std::string m_kind = "hmsh";
    int m_wanted = 1;
    std::optional<uint64_t> m_seed;

    std::unique_ptr<FormulaSearch> m_search;
    mutable std::mutex m_mutex;  // guards m_search while the worker runs
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_done{false};
    std::vector<AcceptedFormula> m_results;
    QTimer* m_timer;

    QComboBox* m_indicator;
    QComboBox* m_back;
    QLineEdit* m_low;
    QLineEdit* m_high;
    QComboBox* m_from;
    QComboBox* m_to;
    QRadioButton* m_random;
    QRadioButton* m_searchMode;
    QLineEdit* m_amin;
    QLineEdit* m_amax;
    QCheckBox* m_fast;
    struct ConstraintRow {
        QCheckBox* box;
        QComboBox* limit;
        QComboBox* applies;  // null for the formula run
    };
    ConstraintRow m_rows[4];
    QWidget* m_schemeOnly[3];
    QProgressBar* m_progress;
    QTableWidget* m_found;
    QLabel* m_count;
    QPushButton* m_start;
    QPushButton* m_apply;
};

}  // namespace lottodesk
