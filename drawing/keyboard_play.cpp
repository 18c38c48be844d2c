#include "keyboard_play.h"

#include "board/group_search.h"
#include "board_surface.h"
#include "pointer_tracker.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Of the four cells around the board's centre, the one up and left.
constexpr int CentreCell = (BoardRows / 2 - 1) * BoardColumns + BoardColumns / 2 - 1;

// Translated where they are said, once the translations are installed. A language whose
// adjectives agree with their noun gives the form that goes with its word for a brick.
constexpr std::array<const char*, ColourCount + 1> ColourNames{
    nullptr,
    //: The colour in "%1 brick, column %2, ...".
    QT_TRANSLATE_NOOP("KeyboardPlay", "Grey"),
    //: The colour in "%1 brick, column %2, ...".
    QT_TRANSLATE_NOOP("KeyboardPlay", "Blue"),
    //: The colour in "%1 brick, column %2, ...".
    QT_TRANSLATE_NOOP("KeyboardPlay", "Green"),
    //: The colour in "%1 brick, column %2, ...".
    QT_TRANSLATE_NOOP("KeyboardPlay", "Red"),
    //: The colour in "%1 brick, column %2, ...".
    QT_TRANSLATE_NOOP("KeyboardPlay", "Yellow"),
};

int Moved(int cell, int key)
{
    const int column = ColumnOf(cell) + (key == Qt::Key_Right) - (key == Qt::Key_Left);
    const int row = RowOf(cell) + (key == Qt::Key_Down) - (key == Qt::Key_Up);
    return std::clamp(row, 0, BoardRows - 1) * BoardColumns + std::clamp(column, 0, BoardColumns - 1);
}

} // namespace

KeyboardPlay::KeyboardPlay(const GameState& game, const PictureSlots& looks, PointerTracker& pointer,
                           BoardSurface& surface)
    : game(game), looks(looks), pointer(pointer), surface(surface), cell(CentreCell)
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
        if (surface.Cursor() >= 0) cell = Moved(cell, key);
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
    surface.Say(what.isEmpty() || now.isEmpty() ? what + now : what + ' ' + now);
}

QString KeyboardPlay::Sentence(BoardChange change, int count) const
{
    switch (change) {
    case BoardChange::Removed: return tr("%n bricks removed,", "", count) + ' ' + tr("%n left.", "", bricksLeft);
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
    const int column = ColumnOf(cell) + 1;
    const int row = RowOf(cell) + 1;
    const BrickRef& brick = game.Board[static_cast<std::size_t>(cell)];
    if (!brick) return tr("Empty, column %1, row %2").arg(column).arg(row);
    const auto colour = static_cast<std::size_t>(std::find(looks.begin(), looks.end(), brick->Picture) - looks.begin());
    const int group = static_cast<int>(FindGroup(game.Board, brick)->Count());
    const QString sentence = pointer.ShowsPressed(cell)
                                 ? tr("%1 brick, column %2, row %3, group of %n, pressed", "", group)
                                 : tr("%1 brick, column %2, row %3, group of %n", "", group);
    return sentence.arg(tr(ColourNames[colour])).arg(column).arg(row);
}
