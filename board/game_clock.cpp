#include "game_clock.h"

void GameClock::Start(double now)
{
    StartTime = now;
    stoppedAt.reset();
}

void GameClock::Stop(double now)
{
    if (!stoppedAt) stoppedAt = now;
}

void GameClock::Go(double now)
{
    if (!stoppedAt) return;
    StartTime += now - *stoppedAt;
    stoppedAt.reset();
}

double GameClock::Played(double now) const
{
    return stoppedAt.value_or(now) - StartTime;
}
