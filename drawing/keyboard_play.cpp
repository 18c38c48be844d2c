#include "keyboard_play.h"

#include "board/group_search.h"
#include "board_surface.h"
#include "pointer_tracker.h"

#include <algorithm>

namespace {

// Of the four cells around the board's centre, the one up and left.
constexpr int CentreCell = (BoardRows / 2 - 1) * BoardColumns + BoardColumns / 2 - 1;

const std::array<QString, ColourCount + 1> ColourNames{QString(),
                                                       QStringLiteral("Grey"),
                                                       QStringLiteral("Blue"),
                                                       QStringLiteral("Green"),
                                                       QStringLiteral("Red"),
                                                       QStringLiteral("Yellow")};

int Moved(int cell, int key)
{
    const int column = ColumnOf(cell) + (key == Qt::Key_Right) - (key == Qt::Key_Left);
    const int row = RowOf(cell) + (key == Qt::Key_Down) - (key == Qt::Key_Up);
    return std::clamp(row, 0, BoardRows - 1) * BoardColumns + std::clamp(column, 0, BoardColumns - 1);
}

} // namespace

KeyboardPlay::KeyboardPlay(const GameBoard& game, const PictureSlots& looks, PointerTracker& pointer,
                           BoardSurface& surface)
    : game(game), looks(looks), pointer(pointer), surface(surface), cell(CentreCell)
{
}

void KeyboardPlay::Key(int key, bool down, bool autoRepeat)
{
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((press && autoRepeat) || pointer.HeldBy(PointerTracker::Hand::Mouse) || (!down && !press)) return;
    if (!down) {
        // A removal tells of its change itself, once the bricks are at rest.
        if (pointer.HeldBy(PointerTracker::Hand::Keys) && !pointer.Release(PointerTracker::Hand::Keys)) BoardChanged();
    } else if (key == Qt::Key_Escape) {
        Withdraw();
    } else {
        // The first key only brings the cursor; the arrows move it from then on.
        if (!press && surface.Cursor() >= 0) cell = Moved(cell, key);
        surface.ShowCursor(cell);
        if (!press) pointer.MoveTo(PointerTracker::Hand::Keys, cell);
        if (press && pointer.Press(PointerTracker::Hand::Keys, cell)) BoardChanged();
    }
}

void KeyboardPlay::Hide()
{
    surface.ShowCursor(-1);
}

void KeyboardPlay::FocusLost()
{
    Withdraw();
}

void KeyboardPlay::Withdraw()
{
    if (!pointer.HeldBy(PointerTracker::Hand::Keys)) return;
    pointer.Withdraw(PointerTracker::Hand::Keys);
    BoardChanged();
}

void KeyboardPlay::BoardChanged()
{
    if (surface.Cursor() >= 0) surface.Announce(QAccessible::NameChanged, surface.Cursor());
}

QString KeyboardPlay::Describe(int cell) const
{
    const QString place = QStringLiteral("column %1, row %2").arg(ColumnOf(cell) + 1).arg(RowOf(cell) + 1);
    const BrickRef& brick = game.Board[static_cast<std::size_t>(cell)];
    if (!brick) return QStringLiteral("Empty, ") + place;
    const auto colour = static_cast<std::size_t>(std::find(looks.begin(), looks.end(), brick->Picture) - looks.begin());
    return QStringLiteral("%1 brick, %2, group of %3%4")
        .arg(ColourNames[colour], place)
        .arg(FindGroup(game.Board, brick)->Count())
        .arg(pointer.ShowsPressed(cell) ? QStringLiteral(", pressed") : QString());
}
