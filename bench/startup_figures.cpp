// SPDX-License-Identifier: MIT
#include "figures.h"

#include "backends/qt/main_window.h"

namespace bench {

namespace {

// Runs the program's probe and the empty window's in turns, like the other figures' sides.
void measure(benchmark::State &state, ProcessLauncher &launcher, const std::vector<std::string> &program,
             const std::vector<std::string> &floor)
{
    std::vector<double> seconds[2];
    std::vector<double> peakMiB[2];
    bool programFirst = true;
    for (auto _ : state) {
        for (const bool programTurn : {programFirst, !programFirst}) {
            const std::optional<ProcessCost> cost = launcher.run(programTurn ? program : floor);
            if (!cost) {
                state.SkipWithError("a start-up probe failed; run it by hand to see why");
                return;
            }
            seconds[programTurn ? 0 : 1].push_back(cost->seconds);
            peakMiB[programTurn ? 0 : 1].push_back(cost->peakMiB);
            if (programTurn)
                state.SetIterationTime(cost->seconds);
        }
        programFirst = !programFirst;
    }
    state.counters[kProgramMs] = median(seconds[0]) * 1e3;
    state.counters[kFloorMs] = median(seconds[1]) * 1e3;
    state.counters[kProgramMiB] = median(peakMiB[0]);
    state.counters[kFloorMiB] = median(peakMiB[1]);
}

} // namespace

// Floor: the same probe showing an empty top-level window of the window's size.
void addStartupFigures(Scene &scene, std::vector<Comparison> &comparisons)
{
    const std::vector<std::string> program = {STARTUP_PROBE_PATH, "window"};
    const std::vector<std::string> floor = {STARTUP_PROBE_PATH, "empty", std::to_string(scene.form.width()),
                                            std::to_string(scene.form.height())};
    addBenchmark("Start-up", 5, [&scene, program, floor](benchmark::State &state) {
        measure(state, scene.launcher, program, floor);
    });
    comparisons.push_back(againstFloor("Start-up to the first paint, time", "Start-up", 2.0));
    comparisons.push_back({"Start-up to the first paint, peak memory",
                           {"Start-up", kProgramMiB},
                           {"Start-up", kFloorMiB},
                           1.4});
}

} // namespace bench
