#include "keyboard_play.h"

#include "board/group_search.h"
#include "board_surface.h"
#include "pointer_tracker.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Translated where they are said, once the translations are installed.
constexpr std::array<const char*, ColourCount + 1> ColourNames{
    nullptr,
    //: The colour in "%1 brick, column %2, ...", in the form that agrees with the word for a brick.
    QT_TRANSLATE_NOOP("KeyboardPlay", "Grey"),
    //: The colour in "%1 brick, column %2, ...", in the form that agrees with the word for a brick.
    QT_TRANSLATE_NOOP("KeyboardPlay", "Blue"),
    //: The colour in "%1 brick, column %2, ...", in the form that agrees with the word for a brick.
    QT_TRANSLATE_NOOP("KeyboardPlay", "Green"),
    //: The colour in "%1 brick, column %2, ...", in the form that agrees with the word for a brick.
    QT_TRANSLATE_NOOP("KeyboardPlay", "Red"),
    //: The colour in "%1 brick, column %2, ...", in the form that agrees with the word for a brick.
    QT_TRANSLATE_NOOP("KeyboardPlay", "Yellow"),
    //: The colour in "%1 brick, column %2, ...", in the form that agrees with the word for a brick.
    QT_TRANSLATE_NOOP("KeyboardPlay", "Violet"),
};

// The middle cell, or of the cells around the middle, the one up and left.
int CentreOf(const Geometry& shape)
{
    return shape.IndexOf((shape.Columns() - 1) / 2, (shape.Rows() - 1) / 2);
}

int Moved(const Geometry& shape, int cell, int key)
{
    const int column = shape.ColumnOf(cell) + (key == Qt::Key_Right) - (key == Qt::Key_Left);
    const int row = shape.RowOf(cell) + (key == Qt::Key_Down) - (key == Qt::Key_Up);
    return shape.IndexOf(std::clamp(column, 0, shape.Columns() - 1), std::clamp(row, 0, shape.Rows() - 1));
}

} // namespace

KeyboardPlay::KeyboardPlay(const GameState& game, const PictureSlots& looks, PointerTracker& pointer,
                           BoardSurface& surface)
    : game(game), looks(looks), pointer(pointer), surface(surface)
{
}

void KeyboardPlay::Key(int key, bool down, bool autoRepeat)
{
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((press && autoRepeat) || pointer.HeldBy(PointerTracker::Hand::Mouse) || (!down && !press)) return;
    if (!down) {
        // A removal tells of itself, once the bricks are at rest.
        if (pointer.HeldBy(PointerTracker::Hand::Keys) && !pointer.Release(PointerTracker::Hand::Keys)) SayCell();
    } else if (key == Qt::Key_Escape) {
        TakeBackPress();
    } else if (!press) {
        // The first key only brings the cursor; the arrows move it from then on.
        if (surface.Cursor() >= 0) cell = Moved(game.Board.Shape(), cell, key);
        surface.ShowCursor(cell);
        pointer.MoveTo(PointerTracker::Hand::Keys, cell);
    } else if (!pointer.HeldBy(PointerTracker::Hand::Keys)) { // one press for each hold, however it repeats
        surface.ShowCursor(cell);
        pointer.Press(PointerTracker::Hand::Keys, cell);
        SayCell();
    }
}

void KeyboardPlay::Hide()
{
    surface.ShowCursor(-1);
}

void KeyboardPlay::ShapeChanged()
{
    Hide();
    cell = CentreOf(game.Board.Shape());
}

void KeyboardPlay::TakeBackPress()
{
    if (!pointer.HeldBy(PointerTracker::Hand::Keys)) return;
    pointer.Withdraw(PointerTracker::Hand::Keys);
    SayCell();
}

void KeyboardPlay::BoardChanged(BoardChange change, int cursor)
{
    const int count = std::abs(bricksLeft - game.BricksLeft);
    bricksLeft = game.BricksLeft;
    if (cursor >= 0) {
        cell = cursor;
        surface.ShowCursor(cell);
    }
    const bool shown = surface.Cursor() >= 0;
    // A removal, and a deal, is told to the player of the keys; a move taken back or done again to every player.
    if (!shown && (change == BoardChange::Removed || change == BoardChange::Dealt)) return;
    const QString what = Sentence(change, count);
    const QString now = shown ? Describe(surface.Cursor()) : QString();
    //: Two sentences said one after the other: what happened on the board, then what the cursor is on now.
    surface.Say(what.isEmpty() || now.isEmpty() ? what + now : tr("%1 %2").arg(what, now));
}

QString KeyboardPlay::Sentence(BoardChange change, int count) const
{
    switch (change) {
    case BoardChange::Removed: return tr("%n bricks removed, %1 left.", "", count).arg(bricksLeft);
    case BoardChange::Undone: return tr("Move undone: %n bricks back, %1 left.", "", count).arg(bricksLeft);
    case BoardChange::Redone: return tr("Move done again: %n bricks removed, %1 left.", "", count).arg(bricksLeft);
    case BoardChange::Dealt: break;
    }
    return {};
}

void KeyboardPlay::SayCell()
{
    surface.Say(Describe(surface.Cursor()));
}

QString KeyboardPlay::Describe(int cell) const
{
    const int column = game.Board.Shape().ColumnOf(cell) + 1;
    const int row = game.Board.Shape().RowOf(cell) + 1;
    const BrickRef& brick = game.Board[cell];
    if (!brick) return tr("Empty, column %1, row %2").arg(column).arg(row);
    const auto colour = static_cast<std::size_t>(std::find(looks.begin(), looks.end(), brick->Picture) - looks.begin());
    const int group = static_cast<int>(FindGroup(game.Board, brick)->Count());
    const QString sentence = pointer.ShowsPressed(cell)
                                 //: %1 is the colour, as named above; columns and rows count from 1 at the top left.
                                 ? tr("%1 brick, column %2, row %3, group of %n, pressed", "", group)
                                 //: %1 is the colour, as named above; columns and rows count from 1 at the top left.
                                 : tr("%1 brick, column %2, row %3, group of %n", "", group);
    return sentence.arg(tr(ColourNames[colour])).arg(column).arg(row);
}
