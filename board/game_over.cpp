#include "game_over.h"

namespace {

bool SameColour(const BrickRef& a, const BrickRef& b)
{
    return a && b && a->SameColour(*b);
}

} // namespace

bool IsGameOver(const Cells& Board)
{
    const int columns = Board.Shape().Columns();
    for (int i = 0; i + columns < Board.size(); ++i) {
        if (SameColour(Board[i], Board[i + columns])) return false;
    }
    for (int rowStart = 0; rowStart < Board.size(); rowStart += columns) {
        for (int j = rowStart; j < rowStart + columns - 1; ++j) {
            if (SameColour(Board[j], Board[j + 1])) return false;
        }
    }
    return true;
}
