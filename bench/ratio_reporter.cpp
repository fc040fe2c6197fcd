// SPDX-License-Identifier: MIT
#include "ratio_reporter.h"

#include <unistd.h>

#include <cstdio>

namespace bench {

namespace {

std::string shown(double value, const std::string &counter)
{
    const bool memory = counter.ends_with("MiB");
    char text[32];
    std::snprintf(text, sizeof text, memory ? "%.1f MiB" : value < 1 ? "%.3f ms" : "%.1f ms", value);
    return text;
}

// Google Benchmark 1.8 replaced a run's error_occurred with skipped, set for errors too.
template <class Run>
bool failed(const Run &run)
{
    if constexpr (requires { run.skipped; })
        return run.skipped != decltype(run.skipped){};
    else
        return run.error_occurred;
}

} // namespace

RatioReporter::RatioReporter(std::vector<Comparison> comparisons)
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
    , comparisons_(std::move(comparisons))
{
}

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" && !failed(run))
            medians_[run.run_name.function_name] = run.counters;
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    const auto valueOf = [this](const Comparison::Median &median) -> std::optional<double> {
        const auto benchmark = medians_.find(median.benchmark);
        if (benchmark == medians_.end())
            return std::nullopt;
        const auto counter = benchmark->second.find(median.counter);
        if (counter == benchmark->second.end())
            return std::nullopt;
        return counter->second.value;
    };
    std::printf("\n%-52s %12s %12s %7s %8s\n", "Figure (medians)", "measured", "against", "ratio", "target");
    int within = 0;
    int over = 0;
    int missing = 0;
    for (const Comparison &row : comparisons_) {
        const std::optional<double> measured = valueOf(row.measured);
        const std::optional<double> against = valueOf(row.against);
        if (!measured || !against) {
            ++missing;
            continue;
        }
        const double ratio = *measured / *against;
        std::printf("%-52s %12s %12s %7.2f", row.label.c_str(), shown(*measured, row.measured.counter).c_str(),
                    shown(*against, row.against.counter).c_str(), ratio);
        if (!row.target) {
            std::printf("   (reference)\n");
            continue;
        }
        const bool holds = ratio <= *row.target;
        ++(holds ? within : over);
        std::printf("   <= %.1f%s\n", *row.target, holds ? "" : "  OVER");
    }
    std::printf("\n%d within target, %d over, %d not measured\n", within, over, missing);
    std::fflush(stdout);
}

} // namespace bench
