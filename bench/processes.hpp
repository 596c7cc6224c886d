#pragma once
// Child processes for the benchmark table: start a program with extra
// environment, time it to a line it prints, read its peak memory, stop it.

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace ferricalc::bench {

struct Command {
    std::vector<std::string> arguments;    // the program first
    std::vector<std::string> environment;  // "NAME=value" added to this process's environment
    std::string input;                     // a file for standard input; empty: /dev/null
    std::string output;                    // a file for standard output; empty: /dev/null
    bool discardErrors = false;            // standard error to /dev/null rather than ours
};

struct FirstLine {
    std::chrono::nanoseconds elapsed{};  // from just before the start to the line's arrival
    long peakKiB = 0;                      // VmHWM when the line arrived
};

// Starts `command` with its standard output on a pipe, waits for its first line,
// reads VmHWM from /proc, kills it. Nothing when the program ends, or says
// nothing within `timeout`.
std::optional<FirstLine> timeToFirstLine(const Command& command, std::chrono::seconds timeout);

struct Completed {
    std::chrono::nanoseconds elapsed{};
    long peakKiB = 0;  // the child's maximum resident set
    int status = -1;   // exit status, -1 when it did not exit normally
};

// Runs `command` to its end.
Completed runToEnd(const Command& command);

// Runs `command` to its end and returns what it wrote on standard output.
std::optional<std::string> captureOutput(const Command& command);

}  // namespace ferricalc::bench
