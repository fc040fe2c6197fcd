// SPDX-License-Identifier: MIT
// Measures the program against floors of bare toolkit widgets in the same run and prints the
// ratios. Google Benchmark flags may follow; by default every figure is repeated 9 times and the
// repetitions of all figures are shuffled together.
#include "figures.h"
#include "window_driver.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    bench::ProcessLauncher launcher;

    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    backends::qt::prepareApplication(application);
    const auto form = testing::openWindow();
    bench::FloorWindow floor(*form);
    floor.show();
    if (!QTest::qWaitForWindowExposed(&floor))
        qFatal("the floors' window was not shown");

    bench::Scene scene{*form, floor, launcher};
    std::vector<bench::Comparison> comparisons;
    bench::addStartupFigures(scene, comparisons);
    bench::addReencryptFigures(scene, comparisons);
    bench::addKeyPressFigures(scene, comparisons);
    bench::addCodeBookFigures(scene, comparisons);

    std::vector<char *> arguments = {argv[0]};
    char repetitions[] = "--benchmark_repetitions=9";
    char shuffled[] = "--benchmark_enable_random_interleaving=true";
    char aggregatesOnly[] = "--benchmark_display_aggregates_only=true";
    for (char *defaultFlag : {repetitions, shuffled, aggregatesOnly})
        arguments.push_back(defaultFlag);
    arguments.insert(arguments.end(), argv + 1, argv + argc);  // later flags win
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
        return 1;

    bench::RatioReporter reporter(std::move(comparisons));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
