// SPDX-License-Identifier: MIT
#pragma once

#include "floor_window.h"
#include "messages.h"
#include "process_launcher.h"
#include "ratio_reporter.h"
#include "screen.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace backends::qt {
class MainWindow;
}

namespace bench {

// What every figure works on: the program's window, the floors' window, the process launcher.
struct Scene {
    backends::qt::MainWindow &form;
    FloorWindow &floor;
    ProcessLauncher &launcher;
};

// Each registers its figures and the comparisons to print for them.
void addReencryptFigures(Scene &scene, std::vector<Comparison> &comparisons);
void addKeyPressFigures(Scene &scene, std::vector<Comparison> &comparisons);
void addCodeBookFigures(Scene &scene, std::vector<Comparison> &comparisons);
void addStartupFigures(Scene &scene, std::vector<Comparison> &comparisons);

// One side of a figure: the program, or its floor.
struct Side {
    QWidget *window = nullptr;
    std::vector<QPlainTextEdit *> watched;  // boxes whose paints the check may ask about
    std::function<void()> prepare;          // untimed: the state the action starts from
    std::function<void()> act;              // timed, with the settling after it
    std::function<const char *(const PaintWatch &painted)> fault;  // untimed: what went wrong, or null
};

// A side and the counter its median goes to.
struct TimedSide {
    Side &side;
    std::string counter;
};

// Each iteration times every side, in turns starting one side later each time, so that all meet
// the same moments of a shared machine. Sets the first side's time as the iteration time, and each
// side's median as its counter.
void measureSides(benchmark::State &state, const std::vector<TimedSide> &sides);

// Registers a benchmark timed by hand.
template <class Body>
benchmark::internal::Benchmark *addBenchmark(const std::string &name, benchmark::IterationCount iterations, Body body)
{
    return benchmark::RegisterBenchmark(name.c_str(), body)
        ->UseManualTime()
        ->Iterations(iterations)
        ->Unit(benchmark::kMillisecond);
}

// A figure measured on clear messages of several lengths in each layout, each against its floor.
struct MessageSize {
    std::size_t length;
    benchmark::IterationCount iterations;
};
using SideOf = std::function<Side(Scene &scene, const std::string &message)>;
void addMessageFigures(Scene &scene, std::vector<Comparison> &comparisons, const std::string &figure,
                       const std::function<std::vector<MessageSize>(Layout)> &sizes, SideOf program, SideOf floor);

// The same figure's comparison against its floor, in milliseconds.
Comparison againstFloor(const std::string &label, const std::string &benchmark, double target);

double median(std::vector<double> values);

} // namespace bench
