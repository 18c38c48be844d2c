#include "random.h"

#include <chrono>
#include <utility>

namespace {

std::uint64_t SystemClockNanoseconds()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

} // namespace

Random::Random() : Random(SystemClockNanoseconds(), SystemClockNanoseconds) {}

Random::Random(std::uint64_t initialState, ClockReading clock) : state(initialState), clock(std::move(clock)) {}

// SplitMix64: a full-period, well-mixed 64-bit step; plenty for dealing bricks.
std::uint64_t Random::Mix(std::uint64_t value)
{
    value = (value ^ (value >> 30U)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27U)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31U);
}

void Random::Reseed()
{
    state = Mix(state ^ Mix(clock()));
}

double Random::Next()
{
    state += Golden;
    // The top 53 bits fill a double's mantissa exactly, giving a value in [0, 1).
    return static_cast<double>(Mix(state) >> 11U) * 0x1.0p-53;
}
