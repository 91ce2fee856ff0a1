#pragma once
// Tf_coldhotset ("冷热号设置"): the window of draws and the cold and hot limits of one zone. The
// dialog only returns OK or cancel; its callers fill it with the zone's current values and, on
// OK, take values() and store them.

#include <memory>
#include <QDialog>
#include <array>
#include <functional>
#include <optional>

namespace Ui {
class Tf_coldhotset;
}

namespace lottodesk {

class Prompts;
class SettingsStore;
struct Workspace;

class Tf_coldhotset : public QDialog {
    Q_OBJECT
public:
    Tf_coldhotset(Prompts& prompts, QWidget* parent = nullptr);
    ~Tf_coldhotset() override;

    // Writes the window (`e_qsfield`), the cold limit (`e_cold`) and the hot limit (`e_hot`).
    void fill(int qs, int cold, int hot);

    // The three texts as integers {window, cold, hot}. The first text that is not an integer is
    // reported through `prompts` ("“abc”不是有效的整数") and gives nullopt.
    std::optional<std::array<int, 3>> values(Prompts& prompts);

    // "确定": closes with OK only when all three texts are integers; otherwise shows the message
    // of the first bad one and stays open, so the caller never gets texts it cannot convert.
    void accept() override;

private:
    Prompts& m_prompts;
    std::unique_ptr<Ui::Tf_coldhotset> m_ui;
};

// "红号冷热设置" / "蓝号冷热设置": the dialog filled with the zone's qs, coldcs and hotcs; on OK
// the three values go to the workspace and the settings store and the program's lists follow
// them as of the newest draw. False when the user cancelled.
bool editColdHotSettings(Workspace& ws, SettingsStore& store, Prompts& prompts, bool secondary,
                         const std::function<int(QDialog&)>& run, QWidget* parent);

}  // namespace lottodesk
