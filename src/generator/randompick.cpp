#include "randompick.h"

#include <algorithm>
#include <numeric>

namespace lottodesk {

std::vector<Ticket> randomTickets(int m, int N, int count, RandomSource& random) {
    std::vector<Ticket> tickets;
    N = std::min(N, kMaxMainNumber);
    if (m < 1 || m > N || m > static_cast<int>(Ticket{}.size()) || count <= 0) return tickets;
    std::vector<uint8_t> sequence(static_cast<size_t>(N));
    std::iota(sequence.begin(), sequence.end(), uint8_t{1});
    tickets.reserve(static_cast<size_t>(count));
    for (int n = 0; n < count; ++n) {
        // The last m positions get a uniform choice among the positions up to them.
        for (int i = N - 1; i >= N - m; --i)
            std::swap(sequence[static_cast<size_t>(i)], sequence[random.below(static_cast<uint64_t>(i) + 1)]);
        Ticket ticket{};
        std::copy(sequence.end() - m, sequence.end(), ticket.begin());
        std::sort(ticket.begin(), ticket.begin() + m);
        tickets.push_back(ticket);
    }
    return tickets;
}

void pickFromResults(std::vector<Ticket>& tickets, std::vector<uint8_t>& tags, int count, RandomSource& random) {
    tags.resize(tickets.size(), 0);
    const size_t total = tickets.size();
    const size_t keep = std::min(total, static_cast<size_t>(std::max(count, 0)));
    // Position i takes a uniform choice among the positions from i on; the first `keep` positions
    // are then a uniform ordered sample. A full shuffle needs no step for the last position.
    const size_t steps = keep == total ? (total == 0 ? 0 : total - 1) : keep;
    for (size_t i = 0; i < steps; ++i) {
        const size_t j = i + random.below(total - i);
        std::swap(tickets[i], tickets[j]);
        std::swap(tags[i], tags[j]);
    }
    tickets.resize(keep);
    tags.resize(keep);
}

}  // namespace lottodesk
