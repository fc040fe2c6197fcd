// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bench {

struct ProcessCost {
    double seconds = 0;  // wall time from fork to the reaped exit
    double peakMiB = 0;  // the kernel's peak resident set of the process
};

// Runs whole programs and measures them. Create it first thing in main(): it forks a helper that
// does the launching, because a child's peak resident set as the kernel reports it is at least
// its parent's size at the fork, and the benchmark itself grows large.
class ProcessLauncher {
public:
    ProcessLauncher();
    ~ProcessLauncher();
    ProcessLauncher(const ProcessLauncher &) = delete;
    ProcessLauncher &operator=(const ProcessLauncher &) = delete;

    // Nothing when the program could not be started or did not exit with 0.
    std::optional<ProcessCost> run(const std::vector<std::string> &command);

private:
    int requests_ = -1;
    int replies_ = -1;
    int helper_ = -1;
};

} // namespace bench
