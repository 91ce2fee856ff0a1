#pragma once
// ZhRunner: runs the generator's "常规过滤", "继续过滤" and the wheel and random-pick runs on a
// thread of its own, so the window stays responsive, reports progress and can be cancelled.
//
// The run works on a worker generator that the window keeps for its whole life (its conditions
// and results are set before the run): the window's own generator is untouched until the window
// takes the worker's results, which it does only for a run that completed and was not
// cancelled, and the worker keeps its buffers warm between runs. While the run is in progress it
// reads the workspace (history, game, partitions, settings) and the worker; the caller must not
// change them meanwhile.

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "generator/generator.h"
#include "generator/ticketrun.h"

namespace lottodesk {

struct Workspace;

class ZhRunner : public QObject {
    Q_OBJECT
public:
    enum class Kind { Run, Continue };
    // Called on the runner's thread (the UI thread) when the run has ended: its report, whether
    // the user cancelled it, and the worker it ran on.
    using Done = std::function<void(const RunReport& report, bool cancelled, Generator& worker)>;

    explicit ZhRunner(QObject* parent = nullptr);
    // Cancels a run in progress and waits for it; its Done is not called.
    ~ZhRunner() override;

    bool running() const { return m_worker != nullptr; }

    // Starts `kind` over `worker` with the history cut before `filterPeriod` (0: the whole
    // history); continue filtering re-tests `input`, which is only read. Ignored while a run is
    // in progress. `worker`, `input` and `ws` must outlive the run and stay unchanged meanwhile.
    void start(Kind kind, Generator& worker, const MainResults& input, const Workspace& ws, int32_t filterPeriod,
               Done done);
    // Starts a wheel or random-pick run (`request`'s stop flag and progress are the runner's).
    void startTickets(TicketRun request, Generator& worker, const Workspace& ws, int32_t filterPeriod, Done done);
    // Asks the run to stop; Done is called with cancelled = true, whatever the run got to.
    void cancel();
    // Ends the search of "优化旋转" with the smallest wheel confirmed so far; the run completes.
    void stopOptimising() { m_stopOptimising = true; }
    // Cancels and waits for the end of a run in progress without calling its Done.
    void abandon();

Q_SIGNALS:
    // Blocks of tickets tested so far, of `total`.
    void progressed(int done, int total);
    // "优化旋转" confirmed a wheel of `size` tickets after `seconds`.
    void optimised(int size, double seconds);

private:
    using Job = std::function<RunReport(Generator& worker, const RunOptions& options)>;
    void launch(Generator& worker, int32_t filterPeriod, Job job, Done done);
    void finish(unsigned run, const RunReport& report);
    // Posts `signal` to the runner's thread unless the run has ended meanwhile.
    template <typename Emit>
    void post(unsigned run, Emit emit);

    Generator* m_worker = nullptr;  // while a run is in progress
    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_stopOptimising{false};
    bool m_cancelRequested = false;
    unsigned m_run = 0;  // numbers the runs, so that the end of an abandoned one is ignored
    Done m_done;
};

}  // namespace lottodesk
