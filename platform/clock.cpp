#include "clock.h"

#include <QDateTime>

namespace {
// Day values count from 30 December 1899, which lies this many days before 1970.
constexpr double EpochDay = 25569.0;
constexpr double MillisecondsPerDay = 86400000.0;
} // namespace

double SystemClock::Now() const
{
    return EpochDay + static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / MillisecondsPerDay;
}
