#ifndef DRAWING_MOVE_EXECUTOR_H
#define DRAWING_MOVE_EXECUTOR_H

#include "game_flow.h"

#include <QCoreApplication>

class Animator;
class BoardPainter;
class BrickCollection;
class Clock;
class Dialogs;
class GameState;
class Settings;

// One move: takes a group of two or more off the board, closes the board up with its
// animations, counts the bricks left and, when no move is left, ends the game: the
// best time with the player's name, then the offers of a retry and of a new game.
// Also a move taken back, or done again, at once.
class MoveExecutor {
    Q_DECLARE_TR_FUNCTIONS(MoveExecutor)

public:
    struct Parts {
        GameState& game;
        BoardPainter& painter;
        Animator& animator;
        Settings& settings;
        Dialogs& dialogs;
        const Clock& clock;
        GameFlow& flow;
    };

    explicit MoveExecutor(const Parts& parts) : parts(parts) {}

    // `cursor` is the cell the keyboard's cursor is on, or -1, kept with the move for the way back.
    void RemoveGroup(const BrickCollection& group, int cursor);
    void UndoMove();
    void RedoMove();

private:
    // The whole board drawn as it is now, and told.
    void ShowBoard(BoardChange change, int cursor);
    void EndGame();
    void RecordBestTime();
    void SaveRecord(int bricksLeft, double finishingTime);
    [[nodiscard]] bool AcceptsRetry();
    void OfferNewGame();

    Parts parts;
};

#endif
