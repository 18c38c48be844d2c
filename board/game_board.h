#ifndef BOARD_GAME_BOARD_H
#define BOARD_GAME_BOARD_H

#include "brick.h"
#include "geometry.h"

#include <array>

class Random;

// A brick reference per cell; an empty cell holds none.
using Cells = std::array<BrickRef, CellCount>;

// The picture slots 1 to 10: slot n is colour n's normal look, slot n + 5 its pressed
// look. Slot 0 is unused, so that colour numbers and slot numbers agree.
inline constexpr int ColourCount = 5;
using PictureSlots = std::array<PictureRef, 2 * ColourCount + 1>;

// The bricks of the game in progress and the snapshot of its starting board.
class GameBoard {
public:
    Cells Board;
    Cells StartBoard;
    int BricksLeft = 0;

    // Deals a new board in runs of one to three bricks of one colour.
    void GenerateBoard(Random& random, const PictureSlots& Images);
    // Puts fresh copies of the starting bricks back on their cells.
    void RestoreStartBoard();
};

#endif
