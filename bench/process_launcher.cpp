// SPDX-License-Identifier: MIT
#include "process_launcher.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace bench {

namespace {

struct Reply {
    int exitCode;
    long long nanoseconds;
    long peakKiB;
};

// A request is the command's arguments, each ended by a NUL, then an empty one.
bool readCommand(FILE *in, std::vector<std::string> &command)
{
    command.clear();
    std::string argument;
    for (int c; (c = std::fgetc(in)) != EOF;) {
        if (c != '\0') {
            argument += static_cast<char>(c);
        } else if (argument.empty()) {
            return true;
        } else {
            command.push_back(std::move(argument));
            argument.clear();
        }
    }
    return false;
}

Reply launch(const std::vector<std::string> &command)
{
    std::vector<char *> argv;
    for (const std::string &argument : command)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return {-1, 0, 0};
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count(), usage.ru_maxrss};
}

[[noreturn]] void serve(int requests, int replies)
{
    FILE *in = fdopen(requests, "r");
    std::vector<std::string> command;
    while (readCommand(in, command)) {
        const Reply reply = launch(command);
        if (write(replies, &reply, sizeof reply) != sizeof reply)
            break;
    }
    _exit(0);
}

} // namespace

ProcessLauncher::ProcessLauncher()
{
    int toHelper[2];
    int fromHelper[2];
    if (pipe(toHelper) != 0 || pipe(fromHelper) != 0)
        throw std::runtime_error("cannot create pipes for the process launcher");
    helper_ = fork();
    if (helper_ < 0)
        throw std::runtime_error("cannot fork the process launcher");
    if (helper_ == 0) {
        close(toHelper[1]);
        close(fromHelper[0]);
        serve(toHelper[0], fromHelper[1]);
    }
    close(toHelper[0]);
    close(fromHelper[1]);
    requests_ = toHelper[1];
    replies_ = fromHelper[0];
}

ProcessLauncher::~ProcessLauncher()
{
    close(requests_);
    close(replies_);
    waitpid(helper_, nullptr, 0);
}

std::optional<ProcessCost> ProcessLauncher::run(const std::vector<std::string> &command)
{
    std::string request;
    for (const std::string &argument : command)
        request += argument + '\0';
    request += '\0';
    if (write(requests_, request.data(), request.size()) != static_cast<ssize_t>(request.size()))
        return std::nullopt;
    Reply reply{};
    if (read(replies_, &reply, sizeof reply) != sizeof reply || reply.exitCode != 0)
        return std::nullopt;
    return ProcessCost{reply.nanoseconds / 1e9, reply.peakKiB / 1024.0};
}

} // namespace bench
