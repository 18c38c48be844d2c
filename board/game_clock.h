#ifndef BOARD_GAME_CLOCK_H
#define BOARD_GAME_CLOCK_H

#include <optional>

// The time played in a game, as day-based values: from its start, with the spells it stood still left out,
// a pause or the time it stood at the game's end before a move was taken back.
class GameClock {
public:
    void Start(double now);
    // Stands still from now; a clock standing still stays so.
    void Stop(double now);
    // Goes on from where it stood, counting nothing of the spell between.
    void Go(double now);
    [[nodiscard]] double Played(double now) const;
    [[nodiscard]] bool Running() const { return !stoppedAt; }

private:
    double StartTime = 0; // when play began, moved on by every spell the clock stood still
    std::optional<double> stoppedAt;
};

#endif
