#pragma once
// lottodesk-cli: the command-line front end over the engine. Runs in-process so tests can capture
// both streams. Exit status: 0 done, 1 usage error, 2 stopped with a message of the system.

#include <iosfwd>
#include <string>
#include <vector>

namespace lottodesk {

// `args` are the arguments after the program name.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lottodesk
