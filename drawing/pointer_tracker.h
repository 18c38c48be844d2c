#ifndef DRAWING_POINTER_TRACKER_H
#define DRAWING_POINTER_TRACKER_H

#include "board/brick_collection.h"

#include <QPointF>

#include <functional>
#include <optional>

class BoardPainter;
class GameBoard;

// The left button over the board: a press selects the brick's group and shows it
// pressed, moves show it pressed exactly while the pointer is over one of its bricks,
// and a release while it is shown pressed hands it on to be removed.
class PointerTracker {
public:
    using GroupHandler = std::function<void(const BrickCollection&)>;

    PointerTracker(const GameBoard& game, BoardPainter& painter, GroupHandler removeGroup);

    // The cell under a pixel of the board, or -1 off the board.
    [[nodiscard]] static int GetIndex(int x, int y);

    void SetPressed(bool value);
    // Drops a press in progress without drawing: a new deal has replaced its board.
    void CancelPress();

    void MouseDown(Qt::MouseButtons button, QPointF position);
    void MouseMove(Qt::MouseButtons buttons, QPointF position);
    void MouseUp(Qt::MouseButtons button, QPointF position);

private:
    [[nodiscard]] static int IndexAt(QPointF position);
    // Draws the selection normal again, then forgets it.
    void DropSelection();

    const GameBoard& game;
    BoardPainter& painter;
    GroupHandler removeGroup;
    std::optional<BrickCollection> Selection;
    bool pressed = false;
};

#endif
