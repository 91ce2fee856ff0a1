#include "generator.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cstring>

#include "core/drawtext.h"
#include "enumeration.h"
#include "plan.h"
#include "taskrunner.h"
#include "runframe.h"
#include "tester.h"

namespace lottodesk {
namespace {

int64_t microsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
}

// A hint that memory is about to be read; nothing where the compiler has no such hint.
inline void prefetchRead(const void* at) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(at, 0, 0);
#else
    (void)at;
#endif
}

}  // namespace

bool removePredictionRecord(t_s_dm& sjk) {
    const int at = sjk.indexOfPeriod(kPredictionPeriod);
    if (at <= 0) return false;
    sjk.SetRecNo(at);
    sjk.Delete(false);
    return true;
}

std::string ticketLine(const Ticket& ticket, int m) {
    std::string line;
    for (int i = 0; i < m; ++i) {
        line += twoDigits(ticket[i]);
        line += ' ';
    }
    return line;
}

Generator::Generator(uint64_t seed) : m_signatures(seed) {}

RunReport Generator::run(const Workspace& ws, const RunOptions& options) {
    RunReport report;
    report.message = runStartMessage(ws, conditions);
    if (!report.message.empty()) return report;
    const auto start = std::chrono::steady_clock::now();
    const Plan plan = makePlan(ws, conditions, m_signatures, options, false);
    const std::vector<EnumerationChunk> chunks = enumerationChunks(plan);
    const int count = static_cast<int>(chunks.size());

    MainResults fresh;
    size_t total = 0;
    if (passesEverything(plan)) {
        // Every ticket passes: each chunk is written straight to its place in the results. The
        // spare results usually hold a list of this size already, so nothing is cleared.
        std::vector<size_t> offsets(chunks.size() + 1, 0);
        for (size_t i = 0; i < chunks.size(); ++i) offsets[i + 1] = offsets[i] + chunks[i].capacity;
        total = offsets.back();
        fresh = std::move(m_spare);
        fresh.tickets.resize(total);
        report.message = runTasks(plan, count, options, [&](Tester& tester, int task, int) {
            const EnumerationChunk& chunk = chunks[static_cast<size_t>(task)];
            [[maybe_unused]] const size_t written =
                enumerateChunk(plan, tester, chunk, fresh.tickets.data() + offsets[static_cast<size_t>(task)]);
            assert(written == chunk.capacity);
        });
        if (!report.message.empty() || (options.cancel && *options.cancel)) {
            m_spare = std::move(fresh);
            return report;
        }
    } else {
        // Each thread appends the passing tickets of the chunks it takes to its own buffer; the
        // chunks are then joined in enumeration order.
        if (m_threadTickets.size() < static_cast<size_t>(taskThreads(options, count)))
            m_threadTickets.resize(static_cast<size_t>(taskThreads(options, count)));
        std::vector<size_t> used(m_threadTickets.size(), 0);
        m_chunkOutput.assign(chunks.size(), ChunkOutput{});
        report.message = runTasks(plan, count, options, [&](Tester& tester, int task, int thread) {
            const EnumerationChunk& chunk = chunks[static_cast<size_t>(task)];
            size_t& at = used[static_cast<size_t>(thread)];
            Ticket* out = m_threadTickets[static_cast<size_t>(thread)].room(at, chunk.capacity);
            const size_t passed = enumerateChunk(plan, tester, chunk, out);
            m_chunkOutput[static_cast<size_t>(task)] = {thread, at, passed};
            at += passed;
        });
        if (!report.message.empty()) return report;
        if (options.cancel && *options.cancel) return report;

        fresh = std::move(m_spare);
        for (const ChunkOutput& chunk : m_chunkOutput) total += chunk.count;
        fresh.tickets.clear();
        fresh.tickets.reserve(total);
        // Neighbouring chunks of one thread lie one after the other: one copy for each run of them.
        for (size_t i = 0; i < m_chunkOutput.size();) {
            const ChunkOutput& first = m_chunkOutput[i];
            size_t end = first.begin + first.count;
            for (++i; i < m_chunkOutput.size() && m_chunkOutput[i].thread == first.thread &&
                      m_chunkOutput[i].begin == end;
                 ++i)
                end += m_chunkOutput[i].count;
            const Ticket* from = m_threadTickets[static_cast<size_t>(first.thread)].data();
            fresh.tickets.insert(fresh.tickets.end(), from + first.begin, from + end);
        }
    }
    // A regular run clears the tags.
    fresh.tags.assign(total, 0);
    fresh.passCount = static_cast<int>(total);
    fresh.elapsedMicros = microsSince(start);
    m_spare = std::move(results);
    results = std::move(fresh);
    report.completed = true;
    report.statusText = runStatusText(results.elapsedMicros, results.tickets.size());
    return report;
}

RunReport Generator::continueFiltering(const Workspace& ws, const RunOptions& options) {
    return continueFiltering(ws, options, results);
}

RunReport Generator::continueFiltering(const Workspace& ws, const RunOptions& options, const MainResults& input) {
    RunReport report;
    report.message = runStartMessage(ws, conditions);
    if (!report.message.empty()) return report;
    const auto start = std::chrono::steady_clock::now();
    const Plan plan = makePlan(ws, conditions, m_signatures, options, true);
    const size_t present = input.tickets.size();

    // Each stored result is tested once, wherever the reordering below moves it, so the verdicts
    // can be found first, on all threads, and the reordering then only reads them.
    m_verdicts.resize(present);
    constexpr size_t kChunk = 16384;
    const int chunks = static_cast<int>((present + kChunk - 1) / kChunk);
    report.message = runTasks(plan, chunks, options, [&](Tester& tester, int chunk, int) {
        const size_t end = std::min(present, (chunk + 1) * kChunk);
        const size_t begin = chunk * kChunk;
        tester.testStored(input.tickets.data() + begin, end - begin, m_verdicts.data() + begin);
    });
    if (!report.message.empty() || (options.cancel && *options.cancel)) return report;

    // The walk in place, over positions: a failed result is replaced by the last one, which is
    // tested next; a clean pass is swapped to the front part of clean passes; a tolerated pass
    // takes its tag. So position h keeps its own result when it passed, and otherwise takes the
    // last passing result behind it: a scan from the front for failures meets a scan from the back
    // for passes, each over the verdicts eight at a time, and the list is written out as it is
    // decided.
    MainResults next = std::move(m_spare);
    next.tickets.clear();
    next.tags.clear();
    const uint8_t* verdicts = m_verdicts.data();
    auto eightAt = [&](size_t i) {
        uint64_t eight;
        std::memcpy(&eight, verdicts + i, 8);
        return eight;
    };
    constexpr size_t kAhead = 128;
    size_t size = present, h = 0, f = 0;
    while (h < size) {
        size_t at = h;
        if (verdicts[h] == 0) {
            // The last passing result behind h, if any.
            // Eight verdicts are one cache line of results: the scan asks for the line it will
            // reach a few steps on, which the backward, sparse reads would otherwise wait for.
            while (size - h > 8 && eightAt(size - 8) == 0) {
                size -= 8;
                if (size > kAhead) prefetchRead(input.tickets.data() + size - kAhead);
            }
            while (size > h + 1 && verdicts[size - 1] == 0) --size;
            if (size == h + 1) break;
            at = --size;
        }
        const uint8_t verdict = verdicts[at];
        next.tickets.push_back(input.tickets[at]);
        next.tags.push_back(static_cast<uint8_t>(verdict - 1));
        if (verdict == 1) {
            while (f < h && next.tags[f] == 0) ++f;
            if (f != h) {
                std::swap(next.tickets[h], next.tickets[f]);
                next.tags[h] = next.tags[f];
                next.tags[f] = 0;
                ++f;
            }
        }
        ++h;
    }
    const int pass = static_cast<int>(h);
    next.passCount = pass;
    next.elapsedMicros = microsSince(start);
    m_spare = std::move(results);
    results = std::move(next);
    report.completed = true;
    report.statusText = runStatusText(results.elapsedMicros, static_cast<size_t>(pass)) + "  系统保留的记录个数" +
                        std::to_string(results.tickets.size());
    return report;
}

}  // namespace lottodesk
