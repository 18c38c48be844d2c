#ifndef DRAWING_POINTER_TRACKER_H
#define DRAWING_POINTER_TRACKER_H

#include "board/brick_collection.h"

#include <QPointF>

#include <functional>
#include <optional>

class BoardPainter;
class GameState;

// The left button, or a key, over the board: a press selects the brick's group and shows it pressed,
// moves show it pressed exactly while the pointer (or the keyboard's cursor) is over one of its bricks,
// and a release while it is shown pressed hands it on to be removed. One hand at a time: while the
// button holds a press, keys are ignored, and the other way round.
class PointerTracker {
public:
    using GroupHandler = std::function<void(const BrickCollection&)>;
    enum class Hand { Mouse, Keys };

    PointerTracker(const GameState& game, BoardPainter& painter, GroupHandler removeGroup);

    // The cell under a pixel of the board, or -1 off the board.
    [[nodiscard]] int GetIndex(int x, int y) const;

    void SetPressed(bool value);
    // Draws the selection pressed again if it is, after the whole board was drawn anew.
    void RedrawPressed();
    // Whether the cell's brick is shown pressed.
    [[nodiscard]] bool ShowsPressed(int cell) const;
    // Drops a press in progress without drawing: a new deal has replaced its board.
    void CancelPress();

    [[nodiscard]] bool HeldBy(Hand hand) const { return holder == hand; }
    // False when the other hand holds a press.
    bool Press(Hand hand, int cell);
    void MoveTo(Hand hand, int cell);
    // True when the release handed a group on to be removed.
    bool Release(Hand hand);
    // Takes the press back: the group is drawn normal again and nothing is removed.
    void Withdraw(Hand hand);

    bool MouseDown(Qt::MouseButtons button, QPointF position);
    void MouseMove(Qt::MouseButtons buttons, QPointF position);
    void MouseUp(Qt::MouseButtons button, QPointF position);

private:
    [[nodiscard]] int IndexAt(QPointF position) const;
    // Draws the selection normal again, then forgets it.
    void DropSelection();

    const GameState& game;
    BoardPainter& painter;
    GroupHandler removeGroup;
    std::optional<BrickCollection> Selection;
    bool pressed = false;
    std::optional<Hand> holder; // the hand holding a press, if any
};

#endif
