// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bench {

// The counters every figure reports: the median of the program's side and of its floor's.
inline constexpr const char *kProgramMs = "program_ms";
inline constexpr const char *kFloorMs = "floor_ms";
inline constexpr const char *kProgramMiB = "program_MiB";
inline constexpr const char *kFloorMiB = "floor_MiB";

// One line of the closing table: one median over another, and the most the ratio may be.
struct Comparison {
    struct Median {
        std::string benchmark;
        std::string counter;
    };

    std::string label;
    Median measured;
    Median against;
    std::optional<double> target;  // none for a line shown only for reference
};

// The usual console output, then each comparison's medians (over the repetitions), ratio and target.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<Comparison> comparisons);

    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;

private:
    std::vector<Comparison> comparisons_;
    std::map<std::string, benchmark::UserCounters> medians_;  // by benchmark
};

} // namespace bench
