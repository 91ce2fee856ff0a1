#include "taskrunner.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "generator.h"

namespace lottodesk {

int taskThreads(const RunOptions& options, int count) { return std::max(1, std::min(options.threads, count)); }

std::string runTasks(const Plan& plan, int count, const RunOptions& options,
                     const std::function<void(Tester&, int task, int thread)>& body) {
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::atomic<bool> stopped{false};
    std::string stopMessage;
    std::mutex stopMutex;
    auto worker = [&](int thread) {
        Tester tester(plan);
        for (int task; (task = next.fetch_add(1)) < count;) {
            if (stopped || (options.cancel && *options.cancel)) return;
            try {
                body(tester, task, thread);
            } catch (const RunStop& stop) {
                std::lock_guard lock(stopMutex);
                stopMessage = stop.message;
                stopped = true;
            }
            if (options.progress) options.progress(done.fetch_add(1) + 1, count);
        }
    };
    const int threads = taskThreads(options, count);
    std::vector<std::thread> pool;
    for (int i = 1; i < threads; ++i) pool.emplace_back(worker, i);
    worker(0);
    for (std::thread& thread : pool) thread.join();
    return stopMessage;
}

}  // namespace lottodesk
