#include "bench/processes.hpp"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace ferricalc::bench {

namespace {

using Clock = std::chrono::steady_clock;

struct Pipe {
    int read = -1;
    int write = -1;
    Pipe()
    {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) == 0) {
            read = ends[0];
            write = ends[1];
        }
    }
    ~Pipe()
    {
        closeRead();
        closeWrite();
    }
    void closeRead()
    {
        if (read >= 0)
            ::close(read);
        read = -1;
    }
    void closeWrite()
    {
        if (write >= 0)
            ::close(write);
        write = -1;
    }
};

// Starts the child; `stdoutFd` replaces the output file when not negative.
pid_t start(const Command& command, int stdoutFd)
{
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry)
        environment.emplace_back(*entry);
    for (const std::string& added : command.environment) {
        const std::string name = added.substr(0, added.find('=') + 1);
        std::erase_if(environment, [&](const std::string& e) { return e.starts_with(name); });
        environment.push_back(added);
    }
    std::vector<char*> envp;
    for (std::string& e : environment)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> arguments = command.arguments;
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string input = command.input.empty() ? "/dev/null" : command.input;
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
    if (stdoutFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO,
                                         command.output.empty() ? "/dev/null" : command.output.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (command.discardErrors)
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", argv[0], std::strerror(error));
        return -1;
    }
    return pid;
}

long highWaterMarkKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("VmHWM:"))
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

}  // namespace

std::optional<FirstLine> timeToFirstLine(const Command& command, std::chrono::seconds timeout)
{
    Pipe out;
    const Clock::time_point begin = Clock::now();
    const pid_t pid = start(command, out.write);
    if (pid < 0)
        return std::nullopt;
    out.closeWrite();

    std::optional<FirstLine> result;
    std::string seen;
    const Clock::time_point deadline = begin + timeout;
    while (Clock::now() < deadline) {
        pollfd ready{out.read, POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (::poll(&ready, 1, static_cast<int>(left.count()) + 1) <= 0)
            continue;
        char chunk[256];
        const ssize_t got = ::read(out.read, chunk, sizeof chunk);
        if (got <= 0)
            break;
        seen.append(chunk, static_cast<std::size_t>(got));
        if (seen.find('\n') != std::string::npos) {
            const auto elapsed = Clock::now() - begin;
            result = FirstLine{std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed), highWaterMarkKiB(pid)};
            break;
        }
    }
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return result;
}

Completed runToEnd(const Command& command)
{
    const Clock::time_point begin = Clock::now();
    const pid_t pid = start(command, -1);
    Completed done;
    if (pid < 0)
        return done;
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    done.elapsed = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - begin);
    done.peakKiB = usage.ru_maxrss;
    done.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return done;
}

std::optional<std::string> captureOutput(const Command& command)
{
    Pipe out;
    const pid_t pid = start(command, out.write);
    if (pid < 0)
        return std::nullopt;
    out.closeWrite();
    std::string text;
    char chunk[4096];
    ssize_t got = 0;
    while ((got = ::read(out.read, chunk, sizeof chunk)) > 0 || (got < 0 && errno == EINTR))
        if (got > 0)
            text.append(chunk, static_cast<std::size_t>(got));
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return text;
}

}  // namespace ferricalc::bench
