#include "platform/qt/SystemClock.h"

#include <QDateTime>

#include <chrono>

namespace platform::qt {

double SystemClock::secondsSinceMidnight() {
    const QTime t = QTime::currentTime();
    return t.msecsSinceStartOfDay() / 1000.0;
}

double SystemClock::monotonicSeconds() {
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(sinceStart).count();
}

DateTime SystemClock::now() {
    const QDateTime d = QDateTime::currentDateTime();
    return {d.date().year(), d.date().month(),  d.date().day(),
            d.time().hour(), d.time().minute(), d.time().second()};
}

} // namespace platform::qt
