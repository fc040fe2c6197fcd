#include "figures.h"

#include <algorithm>

namespace bench {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

void measureSides(benchmark::State &state, Side &program, Side &floor)
{
    PaintWatch watch;
    for (const Side *side : {&program, &floor})
        for (QPlainTextEdit *box : side->watched)
            watch.watch(*box);
    std::vector<double> times[2];
    bool programFirst = true;
    for (auto _ : state) {
        for (const bool programTurn : {programFirst, !programFirst}) {
            Side &side = programTurn ? program : floor;
            side.prepare();
            settle(*side.window);
            watch.clear();
            const double seconds = secondsToSettle(*side.window, side.act);
            if (const char *fault = side.fault(watch)) {
                state.SkipWithError(fault);
                return;
            }
            times[programTurn ? 0 : 1].push_back(seconds);
            if (programTurn)
                state.SetIterationTime(seconds);
        }
        programFirst = !programFirst;
    }
    state.counters[kProgramMs] = median(times[0]) * 1e3;
    state.counters[kFloorMs] = median(times[1]) * 1e3;
}

Comparison againstFloor(const std::string &label, const std::string &benchmark, double target)
{
    return {label, {benchmark, kProgramMs}, {benchmark, kFloorMs}, target};
}

} // namespace bench
