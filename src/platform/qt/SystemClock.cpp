#include "platform/qt/SystemClock.h"

#include <QDateTime>

namespace platform::qt {

double SystemClock::secondsSinceMidnight() {
    const QTime t = QTime::currentTime();
    return t.msecsSinceStartOfDay() / 1000.0;
}

DateTime SystemClock::now() {
    const QDateTime d = QDateTime::currentDateTime();
    return {d.date().year(), d.date().month(),  d.date().day(),
            d.time().hour(), d.time().minute(), d.time().second()};
}

} // namespace platform::qt
