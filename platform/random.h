#ifndef PLATFORM_RANDOM_H
#define PLATFORM_RANDOM_H

#include <cstdint>
#include <functional>

// The program's own pseudo-random generator. Reseed folds a clock reading into the
// current state instead of replacing it: a board reseeds before every run of colour,
// usually many times under one clock reading, and the runs must still differ.
class Random {
public:
    using ClockReading = std::function<std::uint64_t()>;

    // The system clock in nanoseconds, for the game itself.
    Random();
    // A fixed start state and clock, so tests get the same sequence every time.
    Random(std::uint64_t initialState, ClockReading clock);

    void Reseed();
    // Uniform in [0, 1).
    double Next();

private:
    std::uint64_t state;
    ClockReading clock;
};

#endif
