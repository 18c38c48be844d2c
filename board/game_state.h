#ifndef BOARD_GAME_STATE_H
#define BOARD_GAME_STATE_H

#include "cells.h"
#include "game_clock.h"
#include "move_history.h"

#include <cstdint>
#include <functional>

// The game in progress: its kind of board, its bricks and the snapshot of its starting board, the removals that can
// be taken back and done again, and the time played, with whether the game is paused or has ended. Times are the
// day-based readings of the clock the caller goes by.
class GameState {
public:
    Cells Board;
    Cells StartBoard;
    int BricksLeft = 0;

    // Told after every change to what can be done: a move kept or taken back, a start, a pause, the end.
    std::function<void()> Changed;

    // Deals the board of the number, of the kind, in runs of one to three bricks of one colour.
    void GenerateBoard(std::uint64_t number, const BoardKind& kind, const PictureSlots& Images);
    // Puts fresh copies of the starting bricks back on their cells.
    void RestoreStartBoard();
    // Play begins on the board dealt or restored: no move to take back, the clock from 0.
    void Begin(double now);

    [[nodiscard]] const BoardKind& Kind() const { return kind; }
    [[nodiscard]] int CellCount() const { return kind.shape.CellCount(); }
    // The number of the deal, which deals this board again.
    [[nodiscard]] std::uint64_t Number() const { return number; }

    // Keeps the board as it is before a removal, with the keyboard cursor's cell, or -1.
    void RecordMove(int cursor);
    [[nodiscard]] bool CanUndo() const { return !paused && history.CanUndo(); }
    [[nodiscard]] bool CanRedo() const { return !paused && history.CanRedo(); }
    // Put the board back as it was before the last removal, or after the last taken back; a game that had ended
    // goes on, its clock from where it stood. Each returns the cursor's cell kept with the move.
    int Undo(double now);
    int Redo(double now);

    void Pause(bool on, double now);
    // The game is over: the clock stands still.
    void End(double now);
    [[nodiscard]] bool Paused() const { return paused; }
    [[nodiscard]] bool Ended() const { return ended; }
    [[nodiscard]] double TimePlayed(double now) const { return clock.Played(now); }

private:
    int TakeStep(int cursor, double now);
    void Tell() const;

    BoardKind kind = NormalKind;
    std::uint64_t number = 0;
    MoveHistory history;
    GameClock clock;
    bool paused = false;
    bool ended = false;
};

#endif
