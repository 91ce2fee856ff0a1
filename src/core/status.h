#pragma once
// Outcome of an operation that can fail with a message of the system (the text the user is shown)
// and a code that says what kind of failure it is, so callers and tests can tell failures apart
// without reading the text.

#include <cstdint>
#include <string>
#include <utility>

namespace lottodesk {

enum class StatusCode : uint8_t {
    Ok,
    Failed,             // a refusal the codes below do not name (the message says why)
    NoSuchPeriod,       // the history holds no draw of the period asked for
    FileMissing,        // a file (or a file's entry) that is not there
    FileUnreadable,     // a file that is there but cannot be read
    FileUnwritable,     // a save or a folder that could not be written
    FileChanged,        // a file changed on disk since it was read; nothing was overwritten
    BadFileContent,     // a file whose content is not what its reader takes
    BadFormula,         // a formula refused by the pre-check or failing at evaluation
    BadInput,           // a typed or chosen value that does not fit (not a number, out of range, none)
    NothingSelected,    // an edit or delete with no entry chosen
    LimitReached,       // a list at its capacity
    WrongShape,         // the current game's shape does not allow the operation
    PredictionPresent,  // a prediction record stands in the way of a run
    DuplicatePeriod,    // the period is in the history already
    HistoryRefused,     // the history store refused the change (transformed data, a failed write)
};

struct Status {
    bool ok = true;
    std::string message;  // empty on success; a complete user-facing text otherwise
    StatusCode code = StatusCode::Ok;

    static Status success() { return {}; }
    static Status failure(std::string text) { return {false, std::move(text), StatusCode::Failed}; }
    static Status failure(StatusCode code, std::string text) { return {false, std::move(text), code}; }
    explicit operator bool() const { return ok; }
};

}  // namespace lottodesk
