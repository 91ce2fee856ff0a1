#pragma once
// Outcome of an operation that can fail with a message of the system (the text the user is shown).

#include <string>
#include <utility>

namespace lottodesk {

struct Status {
    bool ok = true;
    std::string message;  // empty on success; a complete user-facing text otherwise

    static Status success() { return {}; }
    static Status failure(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace lottodesk
