#include "clock.h"

#include "date_time.h"

#include <ctime>

double SystemClock::Now() const
{
    // The monotonic clock that goes on through a suspend; it never steps.
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9) / SecondsPerDay;
}
