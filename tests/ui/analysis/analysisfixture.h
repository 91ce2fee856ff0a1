#pragma once
// What the analysis page tests share: a program folder seeded with 双色球, its workspace, the
// services' stand-ins, a recording hand-off and the context pages are built with.

#include "analysis/analysisseries.h"
#include "core/drawtext.h"
#include "core/workspace.h"
#include "recordinghandoff.h"
#include "support/uifixture.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/common/cellpictures.h"

namespace lottodesk::test {

struct AnalysisFixture {
    AnalysisFixture() : ws(folder.path()) {
        initialiseWorkspace(ws, folder.settings);
        pictures.load(QString::fromStdString(ws.folder));
        handOff.room = 10;
    }
    // The pages' context; without `analysis` or `generator` there is nothing to hand to.
    AnalysisContext context(bool analysis = true, bool generator = true) {
        AnalysisContext c{ws, prompts, files, shell, folder.settings, {}, {}, &pictures};
        if (analysis) c.analysis = [this]() -> AnalysisOpener* { return &handOff; };
        if (generator) c.generator = [this]() -> GeneratorHandOff* { return &handOff; };
        return c;
    }
    // Replaces the history with a sample game's draws (in memory only).
    void useGame(const char* file, const GameParams& game) {
        ws.game = game;
        ws.partitions.rebuild(game.zh_to);
        ws.sjk.Clear(false);
        for (const DrawRecord& record : parseDrawText(readFile(samplePath(file)), game.zhgs + game.fhgs).records) {
            ws.sjk.Append();
            ws.sjk.setRecord(ws.sjk.RecNo(), record);
        }
    }

    ProgramFolder folder{true};
    Workspace ws;
    FakePrompts prompts;
    FakeFileChooser files;
    FakeShell shell;
    RecordingHandOff handOff;
    CellPictures pictures;
};

// 七乐彩: seven main numbers of 1..30 and a special number.
inline const GameParams kSevenNumberGame{7, 1, 30, 1, 1, 30, true};

}  // namespace lottodesk::test
