#include "ui/generator/zh_runner.h"

#include <QMetaObject>
#include <algorithm>
#include <exception>
#include <utility>

#include "core/workspace.h"

namespace lottodesk {

ZhRunner::ZhRunner(QObject* parent) : QObject(parent) {}

ZhRunner::~ZhRunner() { abandon(); }

void ZhRunner::start(Kind kind, Generator& worker, const MainResults& input, const Workspace& ws, int32_t filterPeriod,
                     Done done) {
    launch(
        worker, filterPeriod,
        [kind, &input, &ws](Generator& generator, const RunOptions& options) {
            return kind == Kind::Run ? generator.run(ws, options) : generator.continueFiltering(ws, options, input);
        },
        std::move(done));
}

void ZhRunner::startTickets(TicketRun request, Generator& worker, const Workspace& ws, int32_t filterPeriod,
                            Done done) {
    if (running()) return;
    m_stopOptimising = false;
    request.stopOptimising = &m_stopOptimising;
    const unsigned run = m_run + 1;  // the number launch gives this run
    request.optimiseProgress = [this, run](const OptimiseProgress& progress) {
        const int size = static_cast<int>(progress.size);
        const double seconds = progress.seconds;
        post(run, [this, size, seconds] { Q_EMIT optimised(size, seconds); });
    };
    launch(
        worker, filterPeriod,
        [request = std::move(request), &ws](Generator& generator, const RunOptions& options) {
            return runTicketMode(generator, ws, options, request);
        },
        std::move(done));
}

template <typename Emit>
void ZhRunner::post(unsigned run, Emit emit) {
    QMetaObject::invokeMethod(
        this,
        [this, run, emit] {
            if (run == m_run && running()) emit();
        },
        Qt::QueuedConnection);
}

void ZhRunner::launch(Generator& worker, int32_t filterPeriod, Job job, Done done) {
    if (running()) return;
    m_worker = &worker;
    m_done = std::move(done);
    m_cancel = false;
    m_cancelRequested = false;
    Generator* generator = m_worker;
    const unsigned run = ++m_run;
    m_thread = std::thread([this, run, job = std::move(job), generator, filterPeriod] {
        RunOptions options;
        options.filterPeriod = filterPeriod;
        options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
        options.cancel = &m_cancel;
        options.progress = [this, run](int done, int total) {
            post(run, [this, done, total] { Q_EMIT progressed(done, total); });
        };
        RunReport report;
        try {
            report = job(*generator, options);
        } catch (const std::exception& error) {
            // Out of memory for the results, most likely: the run stops and the results stay.
            report = RunReport{false, error.what(), {}};
        }
        QMetaObject::invokeMethod(
            this, [this, run, report] { finish(run, report); }, Qt::QueuedConnection);
    });
}

void ZhRunner::cancel() {
    if (!running()) return;
    m_cancelRequested = true;
    m_cancel = true;
    m_stopOptimising = true;
}

void ZhRunner::abandon() {
    m_cancel = true;
    m_stopOptimising = true;
    if (m_thread.joinable()) m_thread.join();
    m_worker = nullptr;
    m_done = nullptr;
}

void ZhRunner::finish(unsigned run, const RunReport& report) {
    if (run != m_run || !m_worker) return;  // an abandoned run
    if (m_thread.joinable()) m_thread.join();
    Generator* worker = std::exchange(m_worker, nullptr);
    Done done = std::move(m_done);
    m_done = nullptr;
    if (done) done(report, m_cancelRequested, *worker);
}

}  // namespace lottodesk
