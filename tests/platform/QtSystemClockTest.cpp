#include "platform/qt/SystemClock.h"

#include <gtest/gtest.h>

#include <QTime>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>

namespace {

// The distance between two times of day, across midnight too.
double secondsApart(double a, double b) {
    const double d = std::fabs(a - b);
    return std::min(d, 86'400.0 - d);
}

// The time of day in each zone equals the local time's, whole-hour and half-hour offsets and
// no TZ at all; each zone is read on a thread of its own, as the offset is kept per thread.
TEST(QtSystemClock, TheTimeOfDayIsTheLocalTimeInEveryZone) {
    const char* previous = std::getenv("TZ");
    const std::string kept = previous ? previous : "";
    for (const char* zone : {"", "UTC0", "EST5EDT", "IST-5:30", "NZST-12NZDT"}) {
        if (*zone == '\0') {
            unsetenv("TZ");
        } else {
            setenv("TZ", zone, 1);
        }
        tzset();
        std::thread reader([zone] {
            platform::qt::SystemClock clock;
            for (int read = 0; read < 3; ++read) {
                const double ours = clock.secondsSinceMidnight();
                const double local = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
                EXPECT_LT(secondsApart(ours, local), 0.05) << "TZ=" << zone;
                EXPECT_GE(ours, 0.0);
                EXPECT_LT(ours, 86'400.0);
            }
        });
        reader.join();
    }
    if (previous) {
        setenv("TZ", kept.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

} // namespace
