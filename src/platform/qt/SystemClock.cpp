#include "platform/qt/SystemClock.h"

#include "platform/qt/TextBridge.h"

#include <QDateTime>
#include <QLocale>

#include <chrono>

namespace platform::qt {

double SystemClock::secondsSinceMidnight() {
    // The local time looks the zone up on every call (microseconds each where TZ is not set),
    // and the analyses' walks read this clock once per stretch or time unit: the zone's offset
    // is taken at most once a second per thread, the time of day from the wall clock.
    using namespace std::chrono;
    constexpr long long kMsPerDay = 86'400'000;
    thread_local long long offsetMs = 0;
    thread_local steady_clock::time_point offsetTakenAt{};
    thread_local bool offsetKnown = false;
    const auto steadyNow = steady_clock::now();
    if (!offsetKnown || steadyNow - offsetTakenAt >= seconds(1)) {
        offsetMs = QDateTime::currentDateTime().offsetFromUtc() * 1000LL;
        offsetTakenAt = steadyNow;
        offsetKnown = true;
    }
    const long long utcMs = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    const long long msOfDay = ((utcMs + offsetMs) % kMsPerDay + kMsPerDay) % kMsPerDay;
    return static_cast<double>(msOfDay) / 1000.0;
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

std::string SystemClock::shortDateText(const DateTime& when) {
    return fromDisplay(
        QLocale::system().toString(QDate(when.year, when.month, when.day), QLocale::ShortFormat));
}

std::string SystemClock::shortTimeText(const DateTime& when) {
    return fromDisplay(
        QLocale::system().toString(QTime(when.hour, when.minute, when.second), QLocale::ShortFormat));
}

} // namespace platform::qt
