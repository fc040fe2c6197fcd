#include "figures.h"

#include <algorithm>
#include <memory>

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

void addMessageFigures(Scene &scene, std::vector<Comparison> &comparisons, const std::string &figure,
                       const std::function<std::vector<MessageSize>(Layout)> &sizes, SideOf program, SideOf floor)
{
    for (const Layout layout : {Layout::LineBreaks, Layout::OneParagraph}) {
        for (const MessageSize size : sizes(layout)) {
            const std::string name = figure + "/" + nameOf(layout) + "/" + std::to_string(size.length);
            const auto message = std::make_shared<const std::string>(clearMessage(size.length, layout));
            addBenchmark(name, size.iterations, [&scene, message, program, floor](benchmark::State &state) {
                Side programSide = program(scene, *message);
                Side floorSide = floor(scene, *message);
                measureSides(state, programSide, floorSide);
            });
            comparisons.push_back(againstFloor(
                figure + ", " + nameOf(layout) + ", N = " + std::to_string(size.length), name, 1.2));
        }
    }
}

Comparison againstFloor(const std::string &label, const std::string &benchmark, double target)
{
    return {label, {benchmark, kProgramMs}, {benchmark, kFloorMs}, target};
}

} // namespace bench
