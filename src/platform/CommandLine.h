#pragma once
// A helper program's setting is the start of a command line: the program, then its own
// options. It is split into an argument vector by the usual quoting rules (blanks
// separate words, double quotes hold blanks inside a word, three double quotes give a
// literal one), and started without a shell.

#include <string>
#include <vector>

namespace platform {

std::vector<std::string> splitCommandLine(const std::string& commandLine);

} // namespace platform
