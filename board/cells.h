#ifndef BOARD_CELLS_H
#define BOARD_CELLS_H

#include "brick.h"
#include "geometry.h"

#include <array>

// A brick reference per cell; an empty cell holds none.
using Cells = std::array<BrickRef, CellCount>;

// Fresh copies of the bricks, on the same cells.
[[nodiscard]] Cells CopyOf(const Cells& cells);
// How many cells hold a brick.
[[nodiscard]] int BrickCount(const Cells& cells);

// The picture slots 1 to 10: slot n is colour n's normal look, slot n + 5 its pressed
// look. Slot 0 is unused, so that colour numbers and slot numbers agree.
inline constexpr int ColourCount = 5;
using PictureSlots = std::array<PictureRef, 2 * ColourCount + 1>;

#endif
