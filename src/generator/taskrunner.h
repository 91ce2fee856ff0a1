#pragma once
// The threads of a run: tasks handed out one at a time to up to RunOptions::threads threads.

#include <functional>
#include <string>

#include "plan.h"
#include "tester.h"

namespace lottodesk {

struct RunOptions;

// The threads that runTasks uses for `count` tasks.
int taskThreads(const RunOptions& options, int count);

// Runs body(tester, task, thread) for tasks 0..count-1 on taskThreads() threads (numbered from 0),
// each thread with its own tester of `plan`, reporting progress after each task and stopping early
// on a cancel or a RunStop. Returns the RunStop's message, empty when every task ran (or the run
// was cancelled). The calling thread is thread 0.
std::string runTasks(const Plan& plan, int count, const RunOptions& options,
                     const std::function<void(Tester&, int task, int thread)>& body);

}  // namespace lottodesk
