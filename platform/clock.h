#ifndef PLATFORM_CLOCK_H
#define PLATFORM_CLOCK_H

// Points in time as day-based values: days as the whole part, the time of day as the
// fraction. Durations are differences of two such values.
class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual double Now() const = 0;
};

// Counted in UTC, so a change to or from summer time never jumps the game clock.
class SystemClock final : public Clock {
public:
    [[nodiscard]] double Now() const override;
};

#endif
