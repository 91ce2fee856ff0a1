#pragma once
// A growable store of tickets whose new room is not cleared: a run writes each ticket once, and
// clearing megabytes first would cost as much again. The room is kept from run to run.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>

#include "ticket.h"

namespace lottodesk {

class TicketBuffer {
public:
    TicketBuffer() = default;
    // A copy (a generator copied for a worker) starts with no room of its own: the content is
    // scratch, never state.
    TicketBuffer(const TicketBuffer&) {}
    TicketBuffer& operator=(const TicketBuffer&) { return *this; }
    TicketBuffer(TicketBuffer&&) noexcept = default;
    TicketBuffer& operator=(TicketBuffer&&) noexcept = default;

    // Room for `more` tickets after the first `used` ones, which are kept; the room's content is
    // undefined until written.
    Ticket* room(size_t used, size_t more) {
        if (used + more > m_capacity) {
            const size_t capacity = std::max(used + more, 2 * m_capacity);
            std::unique_ptr<Ticket[]> grown(new Ticket[capacity]);  // default-initialised: not cleared
            if (used > 0) std::memcpy(grown.get(), m_data.get(), used * sizeof(Ticket));
            m_data = std::move(grown);
            m_capacity = capacity;
        }
        return m_data.get() + used;
    }
    const Ticket* data() const { return m_data.get(); }

private:
    std::unique_ptr<Ticket[]> m_data;
    size_t m_capacity = 0;
};

}  // namespace lottodesk
