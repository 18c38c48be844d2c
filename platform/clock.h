#ifndef PLATFORM_CLOCK_H
#define PLATFORM_CLOCK_H

// Points in time as day-based values: days as the whole part, the time of day as the
// fraction. Durations are differences of two such values.
class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual double Now() const = 0;
};

// Counts the days since the machine started, steadily: setting the wall clock, a time sync after a
// resume or a change to or from summer time never bends the time played. A suspended machine's sleep
// counts, as it does on the wall clock.
class SystemClock final : public Clock {
public:
    [[nodiscard]] double Now() const override;
};

#endif
