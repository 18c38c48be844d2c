#ifndef PLATFORM_TICKS_H
#define PLATFORM_TICKS_H

#include <QElapsedTimer>

#include <cstdint>

// A millisecond tick counter and a sleep, the pacing of the animations.
class Ticks {
public:
    virtual ~Ticks() = default;
    // Wraps around after 2^32 ms; differences taken in unsigned 32-bit stay right.
    [[nodiscard]] virtual std::uint32_t GetTickCount() = 0;
    virtual void Sleep(int milliseconds) = 0;
};

// Monotonic, so setting the system clock never disturbs an animation.
class SystemTicks final : public Ticks {
public:
    SystemTicks();
    [[nodiscard]] std::uint32_t GetTickCount() override;
    void Sleep(int milliseconds) override;

private:
    QElapsedTimer sinceStart;
};

#endif
