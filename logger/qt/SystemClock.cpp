#include "logger/qt/SystemClock.h"

#include <QDateTime>

#include "logger/core/DayCount.h"

namespace logger {

double SystemClock::now() const {
    return dayCountFromDateTime(QDateTime::currentDateTime());
}

}  // namespace logger
