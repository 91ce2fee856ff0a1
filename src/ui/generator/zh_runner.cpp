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
    if (running()) return;
    m_worker = &worker;
    m_done = std::move(done);
    m_cancel = false;
    m_cancelRequested = false;
    Generator* generator = m_worker;
    const unsigned run = ++m_run;
    m_thread = std::thread([this, run, kind, generator, &input, &ws, filterPeriod] {
        RunOptions options;
        options.filterPeriod = filterPeriod;
        options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
        options.cancel = &m_cancel;
        options.progress = [this, run](int blocksDone, int total) {
            QMetaObject::invokeMethod(
                this,
                [this, run, blocksDone, total] {
                    if (run == m_run && running()) Q_EMIT progressed(blocksDone, total);
                },
                Qt::QueuedConnection);
        };
        RunReport report;
        try {
            report = kind == Kind::Run ? generator->run(ws, options) : generator->continueFiltering(ws, options, input);
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
}

void ZhRunner::abandon() {
    m_cancel = true;
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
