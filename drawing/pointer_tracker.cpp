#include "pointer_tracker.h"

#include "board/game_state.h"
#include "board/group_search.h"
#include "board_painter.h"

#include <cmath>

namespace {
// A group of one brick only flashes; removal takes two or more.
constexpr std::size_t SmallestRemovableGroup = 2;
} // namespace

PointerTracker::PointerTracker(const GameState& game, BoardPainter& painter, GroupHandler removeGroup)
    : game(game), painter(painter), removeGroup(std::move(removeGroup))
{
}

int PointerTracker::GetIndex(int x, int y) const
{
    return game.Board.Shape().IndexAt(x, y);
}

void PointerTracker::SetPressed(bool value)
{
    if (!Selection || value == pressed) return;
    painter.PaintBricks(*Selection, value);
    painter.ShowBuffer();
    pressed = value;
}

void PointerTracker::RedrawPressed()
{
    if (pressed) painter.PaintBricks(*Selection, true);
}

bool PointerTracker::ShowsPressed(int cell) const
{
    return pressed && Selection->FindByIndex(cell) != nullptr;
}

void PointerTracker::CancelPress()
{
    Selection.reset();
    pressed = false;
    holder.reset();
}

void PointerTracker::DropSelection()
{
    SetPressed(false);
    Selection.reset();
}

bool PointerTracker::Press(Hand hand, int cell)
{
    if (holder && *holder != hand) return false;
    // A release lost to another window must neither leave the old group drawn pressed
    // nor let it be removed by this press's release.
    DropSelection();
    holder = hand;
    if (cell < 0) return true;
    Selection = FindGroup(game.Board, game.Board[cell]);
    SetPressed(true);
    return true;
}

void PointerTracker::MoveTo(Hand hand, int cell)
{
    if (holder != hand || !Selection) return;
    SetPressed(cell >= 0 && Selection->FindByIndex(cell) != nullptr);
}

bool PointerTracker::Release(Hand hand)
{
    if (holder != hand) return false;
    holder.reset();
    if (pressed && Selection->Count() >= SmallestRemovableGroup) {
        // The group's bricks leave the board, so nothing is drawn normal again.
        const BrickCollection group = std::move(*Selection);
        CancelPress();
        removeGroup(group);
        return true;
    }
    DropSelection();
    return false;
}

void PointerTracker::Withdraw(Hand hand)
{
    if (holder != hand) return;
    holder.reset();
    DropSelection();
}

bool PointerTracker::MouseDown(Qt::MouseButtons button, QPointF position)
{
    return (button & Qt::LeftButton) && Press(Hand::Mouse, IndexAt(position));
}

void PointerTracker::MouseMove(Qt::MouseButtons buttons, QPointF position)
{
    if (buttons & Qt::LeftButton) MoveTo(Hand::Mouse, IndexAt(position));
}

void PointerTracker::MouseUp(Qt::MouseButtons button, QPointF /*position*/)
{
    if (button & Qt::LeftButton) Release(Hand::Mouse);
}

int PointerTracker::IndexAt(QPointF position) const
{
    // Cut down, not rounded: at a scale factor other than 1 a point has fractions, and all of a cell's last
    // point still belongs to that cell.
    return GetIndex(static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y())));
}
