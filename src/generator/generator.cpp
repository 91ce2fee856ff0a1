#include "generator.h"

#include <algorithm>
#include <chrono>

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
    const int k = plan.m - plan.fixedCount;
    // More fixed numbers than the ticket holds give no ticket at all.
    const int blocks = k < 0 ? 0 : (k == 0 ? 1 : static_cast<int>(plan.choosable.size()));

    std::vector<std::vector<Ticket>>& found = m_blockTickets;
    std::vector<std::vector<uint8_t>>& foundTags = m_blockTags;
    found.resize(static_cast<size_t>(std::max(blocks, 0)));
    foundTags.resize(found.size());
    for (size_t b = 0; b < found.size(); ++b) {
        found[b].clear();
        foundTags[b].clear();
    }
    report.message = runTasks(plan, blocks, options, [&](Tester& tester, int block) {
        // Blocks run from the highest top number down, the enumeration order.
        const int top = k == 0 ? 0 : blocks - 1 - block;
        if (k > 0 && top < k - 1) return;
        // The block's buffers are filled through vectors on this thread's stack: the vector
        // headers of neighbouring blocks share cache lines with other threads.
        std::vector<Ticket> tickets;
        std::vector<uint8_t> tags;
        tickets.swap(found[block]);
        tags.swap(foundTags[block]);
        enumerateBlock(plan, tester, top, tickets, tags);
        tickets.swap(found[block]);
        tags.swap(foundTags[block]);
    });
    if (!report.message.empty()) return report;
    if (options.cancel && *options.cancel) return report;

    MainResults fresh = std::move(m_spare);
    fresh.tickets.clear();
    fresh.tags.clear();
    size_t total = 0;
    for (const auto& block : found) total += block.size();
    fresh.tickets.reserve(total);
    fresh.tags.reserve(total);
    for (size_t b = 0; b < found.size(); ++b) {
        fresh.tickets.insert(fresh.tickets.end(), found[b].begin(), found[b].end());
        // A regular run clears the tags.
        fresh.tags.insert(fresh.tags.end(), foundTags[b].size(), 0);
    }
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
    // The spare buffers take the copy (their pages are already there); `input` stays as it was.
    MainResults next = std::move(m_spare);
    next.tickets.assign(input.tickets.begin(), input.tickets.end());
    next.tags.assign(input.tags.begin(), input.tags.end());
    next.tags.resize(next.tickets.size(), 0);
    const size_t present = next.tickets.size();

    // Each stored result is sorted and tested once, wherever the reordering below moves it, so
    // the verdicts can be found first, on all threads, and the reordering then only reads them.
    std::vector<uint8_t> passed(present, 0), verdictTags(present, 0);
    constexpr size_t kChunk = 16384;
    const int chunks = static_cast<int>((present + kChunk - 1) / kChunk);
    report.message = runTasks(plan, chunks, options, [&](Tester& tester, int chunk) {
        for (size_t i = chunk * kChunk; i < std::min(present, (chunk + 1) * kChunk); ++i) {
            int32_t s[kMaxTicketNumbers];
            bool ascending = true;
            for (int j = 0; j < plan.m; ++j) {
                s[j] = next.tickets[i][j];
                ascending = ascending && (j == 0 || s[j - 1] < s[j]);
            }
            if (!ascending) {
                sortAscending(s, plan.m);
                for (int j = 0; j < plan.m; ++j) next.tickets[i][j] = static_cast<uint8_t>(s[j]);
            }
            passed[i] = tester.test(s, verdictTags[i]);
        }
    });
    if (!report.message.empty() || (options.cancel && *options.cancel)) {
        m_spare = std::move(next);
        return report;
    }

    // The in-place walk: a failed result is replaced by the last one, which is tested next; a
    // clean pass is swapped to the front part of clean passes; a tolerated pass keeps its tag.
    std::vector<uint32_t> origin(present);
    for (size_t i = 0; i < present; ++i) origin[i] = static_cast<uint32_t>(i);
    int pass = 0;
    size_t h = 0, f = 0;
    for (size_t tested = 0; tested < present && h < next.tickets.size(); ++tested) {
        const uint32_t at = origin[h];
        if (!passed[at]) {
            next.tickets[h] = next.tickets.back();
            next.tags[h] = next.tags.back();
            origin[h] = origin[next.tickets.size() - 1];
            next.tickets.pop_back();
            next.tags.pop_back();
            continue;
        }
        ++pass;
        if (verdictTags[at] != 0) {
            next.tags[h] = verdictTags[at];
        } else {
            while (f < h && next.tags[f] == 0) ++f;
            if (f == h) {
                next.tags[h] = 0;
            } else {
                std::swap(next.tickets[h], next.tickets[f]);
                std::swap(origin[h], origin[f]);
                next.tags[h] = next.tags[f];
                next.tags[f] = 0;
                ++f;
            }
        }
        ++h;
    }
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
