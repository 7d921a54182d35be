#include "platform/qt/system_utc_clock.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

UtcTime SystemUtcClock::Now() {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDate date = now.date();
    const QTime time = now.time();
    UtcTime result;
    result.day = date.day();
    result.month = date.month();
    result.year = date.year();
    result.hour = time.hour();
    result.minute = time.minute();
    result.second = time.second();
    return result;
}
