// The collector's clock as the window runs it: a 10 ms precise timer ticking a live
// session on the system's steady clock, for 60 s or the seconds given as the argument.
// Prints the tick error, how far each interval between two ticks is from 10 ms (p50, p99,
// worst). The timer re-bases after a tick later than a whole period, so the interval, not
// the distance from the first tick's schedule, is what a person sees as the clock's step.
// The load average is printed too: on a busy machine the scheduler, not the timer, decides.
#include "collector/CollectorSession.h"
#include "collector/PlainTextBox.h"
#include "collector/SessionClock.h"
#include "platform/qt/SystemClock.h"
#include "support/ScriptedPlatform.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <unistd.h>

namespace {

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(std::ceil(p * static_cast<double>(values.size()))) - 1;
    return values[std::min(at, values.size() - 1)];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 60.0;

    // Named only: the session is never saved.
    testsupport::ScriptedPlatform sp;
    platform::qt::SystemClock steady;
    platform::Platform p{sp.dialogs, sp.settings,  sp.launcher, sp.sound,
                         steady,     "/opt/suite", sp.printer,  sp.clipboard};
    ws::Global g;
    g.TenthsofSeconds = 1;
    g.SessionDuration = 36000;
    collector::PlainTextBox text1;
    collector::CollectorSession session(g, p, text1, {}, "TALVOR");
    session.Form_Load();
    sp.dialogs.files.push_back((std::filesystem::temp_directory_path() / "collector-jitter.eve").string());
    sp.dialogs.inputs.push_back("Jitter");
    session.NewFile_Click();
    session.TimerStart_Click();

    using Clock = std::chrono::steady_clock;
    std::vector<double> errors; // milliseconds, interval against 10 ms
    errors.reserve(static_cast<std::size_t>(seconds * 100) + 16);
    const Clock::time_point end =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    Clock::time_point last{};
    QTimer timer;
    timer.setInterval(collector::kTickMilliseconds);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        session.Timer1_Timer();
        if (last != Clock::time_point{}) {
            const double interval = std::chrono::duration<double, std::milli>(now - last).count();
            errors.push_back(std::abs(interval - collector::kTickMilliseconds));
        }
        last = now;
        if (now >= end) {
            QCoreApplication::quit();
        }
    });
    timer.start();
    app.exec();

    std::printf("collector clock: %zu ticks of %d ms over %.0f s, clock showing %s tenths\n",
                errors.size() + 1, collector::kTickMilliseconds, seconds, session.display().Label1.c_str());
    double load[3] = {};
    getloadavg(load, 3);
    std::printf("load average %.1f on %ld processors\n", load[0], sysconf(_SC_NPROCESSORS_ONLN));
    std::printf("tick error (interval against 10 ms): p50 %.3f ms, p99 %.3f ms, worst %.3f ms "
                "(target p99 <= 2 ms): %s\n",
                percentile(errors, 0.50), percentile(errors, 0.99), percentile(errors, 1.0),
                percentile(errors, 0.99) <= 2.0 ? "met" : "NOT met");
    return 0;
}
