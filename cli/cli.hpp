#pragma once
// The command line: one calculation from LETTER=TEXT arguments, printed as the
// window would show it, one result per line; or a batch of calculations from
// CSV; as text, CSV or JSON, optionally beside the unrounded values.

#include <ostream>
#include <span>
#include <string_view>

namespace ferricalc {

enum ExitStatus { kSucceeded = 0, kCalculationFailed = 1, kUsageError = 2 };

inline constexpr std::string_view kProgramName = "ferricalc-cli";

// `args` excludes the program name. A batch from standard input reads std::cin.
int runCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace ferricalc
