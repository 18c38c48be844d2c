#include "game_over.h"

namespace {

bool SameColour(const BrickRef& a, const BrickRef& b)
{
    return a && b && a->SameColour(*b);
}

} // namespace

bool IsGameOver(const Cells& Board)
{
    for (std::size_t i = 0; i + BoardColumns < Board.size(); ++i) {
        if (SameColour(Board[i], Board[i + BoardColumns])) return false;
    }
    for (std::size_t rowStart = 0; rowStart < Board.size(); rowStart += BoardColumns) {
        for (std::size_t j = rowStart; j < rowStart + BoardColumns - 1; ++j) {
            if (SameColour(Board[j], Board[j + 1])) return false;
        }
    }
    return true;
}
