#pragma once
// The registry of lottodesk-cli's commands. A command is one row: its name, the plain arguments and
// options it takes, its usage and help lines, what a time limit does to it, and the function that
// runs it. The dispatcher reads the arguments against the row (cli/options.h), so a command gets
// them checked, and `help` is made from the rows. Each command family keeps its rows beside its
// functions and hands them over here.

#include <atomic>
#include <climits>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/tablewriter.h"

namespace lottodesk {

struct Workspace;

namespace cli {

// What a command's function gets.
struct CommandCall {
    Workspace& ws;
    const Options& options;                // the arguments as read against the command's row
    const std::vector<std::string>& args;  // the same unread, for a command whose rows are its own (`table`)
    std::ostream& out;
    std::ostream& err;
    TableWriter& rows;  // where a command's table or list goes, in the format asked for
    bool historyOpened;
    bool typeFileNoted;               // the start-up said the type file was damaged
    const std::atomic<bool>* timeUp;  // set when --time-limit has passed; generator runs stop at it
    const std::string& timeLimitMessage;
};

// What a time limit does to a command: a generator run stops at its next block; a command that
// only reads ends the process with the message; a command that writes the history finishes.
enum class OnTimeLimit { Cancel, Exit, Finish };

// What a command needs of the history: nothing, the opened history, or the opened history in
// period order (searches by period would give wrong answers on one out of order), or in period
// order only when it opened (a command that also works without one).
enum class HistoryUse { None, Opened, Ordered, OrderedWhenOpen };

// How many plain arguments a command takes at most.
inline constexpr size_t kAnyCount = SIZE_MAX;

struct Command {
    std::string name;
    std::string syntax;  // "prize RESULTS --period P [--out FILE]": the usage line after "用法: "
    std::string about;   // the help text, one line or several separated by "\n"
    size_t positional = 0;
    std::vector<OptionSpec> options;
    int (*run)(const CommandCall&) = nullptr;
    OnTimeLimit onTimeLimit = OnTimeLimit::Exit;
    bool tabular = false;     // prints a table or a list, so takes --format
    bool ownOptions = false;  // reads its arguments by rows of its own (the views of `table`)
    HistoryUse history = HistoryUse::None;
};

// Every command, in the order of `help`.
const std::vector<Command>& commands();

// The rows of each family, gathered by commands().
std::vector<Command> drawCommands();
std::vector<Command> updateCommands();
std::vector<Command> formulaCommands();
std::vector<Command> generatorCommands();
std::vector<Command> wheelCommands();
std::vector<Command> resultCommands();
std::vector<Command> transformCommands();
std::vector<Command> predictionCommands();
std::vector<Command> analysisCommands();
std::vector<Command> trendCommands();
std::vector<Command> convertCommands();

// "用法: " + the row's syntax.
std::string usageLine(const Command& command);

// The text of `lottodesk-cli help`.
std::string commandsHelp();

}  // namespace cli
}  // namespace lottodesk
