// SPDX-License-Identifier: MIT
#include "session_runner.h"
#include "window_driver.h"
#include "x_input.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace {

constexpr int kSessions = 40;
constexpr int kXSessions = 8;  // real input waits on the X server: fewer, to keep CI short
constexpr int kStepsPerSession = 500;

// tst_random_sessions [--x11] --soak ACTIONS [--seed FIRST] [--steps PER_SESSION]
// tst_random_sessions [--x11] --replay SEED [--steps STEPS] [--trace]
// With --x11, on an Xvfb of its own with real X input.
int runCommand(const QStringList &arguments)
{
    const auto value = [&](const char *name, qint64 otherwise) {
        const qsizetype at = arguments.indexOf(QLatin1String(name));
        return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1].toLongLong() : otherwise;
    };
    const int steps = static_cast<int>(value("--steps", 2000));
    if (arguments.contains(QLatin1String("--replay"))) {
        const auto seed = static_cast<std::uint64_t>(value("--replay", 1));
        const auto divergence = reliability::runSession(seed, steps, arguments.contains(QLatin1String("--trace")));
        std::printf("%s\n", divergence ? reliability::report(*divergence).c_str() : "no divergence");
        return divergence ? 1 : 0;
    }

    const qint64 wanted = value("--soak", 1000000);
    auto seed = static_cast<std::uint64_t>(value("--seed", 1000000));
    QElapsedTimer clock;
    clock.start();
    qint64 actions = 0;
    int divergences = 0;
    while (actions < wanted) {
        const int length = static_cast<int>(std::min<qint64>(steps, wanted - actions));
        if (const auto divergence = reliability::runSession(seed, length)) {
            std::printf("DIVERGENCE %s\n", reliability::report(*divergence).c_str());
            actions += divergence->step;
            ++divergences;
        } else {
            actions += length;
        }
        ++seed;
        if (seed % 50 == 0)
            std::printf("%lld actions, %.0f actions/s\n", static_cast<long long>(actions), actions * 1000.0 / clock.elapsed());
        std::fflush(stdout);
    }
    const double seconds = clock.elapsed() / 1000.0;
    std::printf("%lld actions in %.1f s: %.0f actions/s, %d divergences\n", static_cast<long long>(actions), seconds,
                actions / seconds, divergences);
    return divergences == 0 ? 0 : 1;
}

} // namespace

class TestRandomSessions : public QObject {
    Q_OBJECT

private slots:
    void sessionsFollowTheModel_data()
    {
        QTest::addColumn<quint64>("seed");
        const bool onX = QGuiApplication::platformName() == QLatin1String("xcb");
        for (quint64 seed = 1; seed <= (onX ? kXSessions : kSessions); ++seed)
            QTest::addRow("seed %llu", seed) << seed;
    }

    void sessionsFollowTheModel()
    {
        QFETCH(quint64, seed);
        if (const auto divergence = reliability::runSession(seed, kStepsPerSession))
            QFAIL(reliability::report(*divergence).c_str());
    }
};

int main(int argc, char *argv[])
{
    char **const end = argv + argc;
    if (std::find(argv, end, std::string_view("--x11")) != end) {
        reliability::startOwnXServer();
        qputenv("QT_QPA_PLATFORM", "xcb");
        qputenv("LC_ALL", "C.UTF-8");  // the input method composes by the locale's table
        argc = static_cast<int>(std::remove(argv, end, std::string_view("--x11")) - argv);
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::prepareTestApplication(application);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.contains(QLatin1String("--soak")) || arguments.contains(QLatin1String("--replay")))
        return runCommand(arguments);
    TestRandomSessions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_random_sessions.moc"
