#include "platform/qt/SystemClock.h"

#include "platform/qt/TextBridge.h"

#include <QDateTime>
#include <QLocale>

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

std::string SystemClock::shortDateText(const DateTime& when) {
    return fromDisplay(
        QLocale::system().toString(QDate(when.year, when.month, when.day), QLocale::ShortFormat));
}

std::string SystemClock::shortTimeText(const DateTime& when) {
    return fromDisplay(
        QLocale::system().toString(QTime(when.hour, when.minute, when.second), QLocale::ShortFormat));
}

} // namespace platform::qt
