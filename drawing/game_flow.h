#ifndef DRAWING_GAME_FLOW_H
#define DRAWING_GAME_FLOW_H

class QWidget;

// What changed the bricks on the board.
enum class BoardChange { Dealt, Removed, Undone, Redone };

// What a move needs from the window that runs the game: its status bar, and a new start
// when the player asks for one at the end.
class GameFlow {
public:
    virtual ~GameFlow() = default;
    // After the bricks changed; `cursor` is the cell to put the keyboard's cursor back on, or -1.
    virtual void ShowBricksLeft(BoardChange change, int cursor) = 0;
    virtual void RetryGame() = 0;
    virtual void NewGame() = 0;
    [[nodiscard]] virtual QWidget* DialogOwner() = 0;
};

#endif
