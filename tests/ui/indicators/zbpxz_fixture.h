#pragma once
// The indicator analysis window over a real history (双色球 by default, 七乐彩 for the seven-number
// game), with fakes for its prompts and files and a recording generator; shared by the window's
// suites.
#include <QSize>
#include <QString>
#include <QTabWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "core/drawtext.h"
#include "core/workspace.h"
#include "support/uifixture.h"
#include "ui/common/handoff.h"
#include "ui/indicators/f_zbpxz.h"
#include "ui/indicators/zbpxz_viewgrid.h"

namespace lottodesk::test {

inline QString u(const char* text) { return QString::fromUtf8(text); }

inline void loadGame(Workspace& ws, const char* file, GameParams game) {
    ws.game = game;
    ws.partitions.rebuild(game.zh_to);
    ws.sjk.Clear(false);
    for (const DrawRecord& record :
         parseDrawText(test::readFile(test::samplePath(file)), game.zhgs + game.fhgs).records) {
        ws.sjk.Append();
        ws.sjk.setRecord(ws.sjk.RecNo(), record);
    }
}

// Records what reaches the generator.
struct RecordingGenerator : GeneratorHandOff {
    Status addSelfSet(tselfcond) override { return Status::success(); }
    Status addTail(tselfcond) override { return Status::success(); }
    Status addCustom(const std::string& formula, std::vector<int32_t> values, bool tolerant) override {
        custom.push_back({formula, tolerant ? uint8_t{1} : uint8_t{0}, std::move(values)});
        return Status::success();
    }
    void putCustomFormula(const std::string&) override {}
    void showConditions() override {}
    std::vector<tselfzbnode> custom;
};

inline const GameParams kSsq{6, 1, 33, 1, 1, 16, true};
inline const GameParams kQlc{7, 1, 30, 1, 1, 30, true};

// The analysis window over a game's history.
struct Analysis {
    explicit Analysis(const char* file = "ssq.txt", GameParams game = kSsq, QSize size = {900, 600})
        : ws(folder.path()) {
        std::filesystem::create_directories(folder.file("database"));
        loadGame(ws, file, game);
        window.resize(size);
        window.show();
    }
    template <class T>
    T* child(const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    // Shows the view of that caption and returns its grid.
    ViewGrid* view(const char* caption) {
        auto* pages = child<QTabWidget>("pc_zbpxz");
        for (int p = 0; p < pages->count(); ++p)
            if (pages->tabText(p) == QString::fromUtf8(caption)) pages->setCurrentIndex(p);
        return window.currentGrid();
    }
    // The texts of one column of a grid.
    static std::vector<QString> column(ViewGrid* grid, int c) {
        std::vector<QString> texts;
        for (int r = 0; r < grid->rowCount(); ++r) texts.push_back(grid->text(r, c));
        return texts;
    }

    ProgramFolder folder;
    Workspace ws;
    FakePrompts prompts;
    FakeFileChooser files;
    RecordingGenerator generator;
    Tf_zbpxz window{ws, prompts, files, [this]() -> GeneratorHandOff* { return &generator; }};
};

}  // namespace lottodesk::test
