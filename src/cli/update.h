#pragma once
// `update`: new draws from the type's result service (or an address or file in the import
// format), checked and merged like the download of the desktop program, with their prize tables.

#include <iosfwd>
#include <string>
#include <vector>

namespace lottodesk {

struct Workspace;

// Exit status as every command: 0 done, 1 usage error, 2 stopped with a message.
int runUpdate(Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lottodesk
