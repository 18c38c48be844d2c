#ifndef DRAWING_MOVE_EXECUTOR_H
#define DRAWING_MOVE_EXECUTOR_H

#include <QCoreApplication>

class Animator;
class BoardPainter;
class BrickCollection;
class Clock;
class Dialogs;
class GameBoard;
class GameFlow;
class Settings;

// One move: takes a group of two or more off the board, closes the board up with its
// animations, counts the bricks left and, when no move is left, ends the game: the
// best time with the player's name, then the offers of a retry and of a new game.
class MoveExecutor {
    Q_DECLARE_TR_FUNCTIONS(MoveExecutor)

public:
    struct Parts {
        GameBoard& game;
        BoardPainter& painter;
        Animator& animator;
        Settings& settings;
        Dialogs& dialogs;
        const Clock& clock;
        GameFlow& flow;
    };

    explicit MoveExecutor(const Parts& parts) : parts(parts) {}

    void RemoveGroup(const BrickCollection& group);

private:
    void EndGame();
    void RecordBestTime();
    void SaveRecord(int bricksLeft, double finishingTime);
    [[nodiscard]] bool AcceptsRetry();
    void OfferNewGame();

    Parts parts;
};

#endif
