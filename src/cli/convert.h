#pragma once
// `convert`, `convert-inverse`, `convert-kill`: the conversion table of an indicator, the indicator
// values that give chosen values of one of its columns next period, and the conversion-table kill,
// printed header first, one row per line, cells TAB-separated.

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/tablewriter.h"

namespace lottodesk {

struct Workspace;

namespace cli {

// Exit status as every command: 0 done, 1 usage error, 2 stopped with a message.
int runConvert(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);
int runConvertInverse(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);
int runConvertKill(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);

}  // namespace cli
}  // namespace lottodesk
