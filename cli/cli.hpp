#pragma once
// The command line: one calculation from LETTER=TEXT arguments, printed as the
// window would show it, one result per line.

#include <ostream>
#include <span>
#include <string_view>

namespace ferricalc {

enum ExitStatus { kSucceeded = 0, kCalculationFailed = 1, kUsageError = 2 };

// `args` excludes the program name.
int runCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace ferricalc
