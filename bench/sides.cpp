// SPDX-License-Identifier: MIT
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

void measureSides(benchmark::State &state, const std::vector<TimedSide> &sides)
{
    PaintWatch watch;
    for (const TimedSide &timed : sides)
        for (QPlainTextEdit *box : timed.side.watched)
            watch.watch(*box);
    std::vector<std::vector<double>> times(sides.size());
    std::size_t firstTurn = 0;
    for (auto _ : state) {
        for (std::size_t turn = 0; turn < sides.size(); ++turn) {
            const std::size_t which = (firstTurn + turn) % sides.size();
            Side &side = sides[which].side;
            side.prepare();
            settle(*side.window);
            watch.clear();
            const double seconds = secondsToSettle(*side.window, side.act);
            if (const char *fault = side.fault(watch)) {
                state.SkipWithError(fault);
                return;
            }
            times[which].push_back(seconds);
            if (which == 0)
                state.SetIterationTime(seconds);
        }
        firstTurn = (firstTurn + 1) % sides.size();
    }
    for (std::size_t which = 0; which < sides.size(); ++which)
        state.counters[sides[which].counter] = median(times[which]) * 1e3;
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
                measureSides(state, {{programSide, kProgramMs}, {floorSide, kFloorMs}});
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
