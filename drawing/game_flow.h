#ifndef DRAWING_GAME_FLOW_H
#define DRAWING_GAME_FLOW_H

class QWidget;

// What a move needs from the window that runs the game: its clock, its status bar,
// and a new start when the player asks for one at the end.
class GameFlow {
public:
    virtual ~GameFlow() = default;
    [[nodiscard]] virtual double StartTime() const = 0;
    virtual void ShowBricksLeft() = 0;
    virtual void StopClock() = 0;
    virtual void RetryGame() = 0;
    virtual void NewGame() = 0;
    [[nodiscard]] virtual QWidget* DialogOwner() = 0;
};

#endif
