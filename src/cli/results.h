#pragma once
// The commands of the result lists and the secondary zones: `prize`, `reward`, `remove`, `print`,
// `secondary`, `special`, `match` and `pick2`, computed by the same engine as the generator
// window and printed one record per line.

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/tablewriter.h"

namespace lottodesk {

struct Workspace;

namespace cli {

// Exit status as every command: 0 done, 1 usage error, 2 stopped with a message.
int runPrize(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);
int runRemove(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runPrint(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runSecondary(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runSpecial(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);
int runMatch(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runPickTwoZones(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);
int runReward(const Workspace& ws, const std::vector<std::string>& args, TableWriter& out, std::ostream& err);

}  // namespace cli
}  // namespace lottodesk
