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

    // SplitMix64's finaliser: a step of the generator mixes its state with this.
    [[nodiscard]] static std::uint64_t Mix(std::uint64_t value);
    // The constant the state moves on by at each step, the golden ratio's fraction in 64 bits.
    static constexpr std::uint64_t Golden = 0x9e3779b97f4a7c15ULL;

private:
    std::uint64_t state;
    ClockReading clock;
};

#endif
