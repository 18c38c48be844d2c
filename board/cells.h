#ifndef BOARD_CELLS_H
#define BOARD_CELLS_H

#include "board_kind.h"
#include "brick.h"

#include <vector>

// A brick reference per cell of a board of its shape; an empty cell holds none.
class Cells {
public:
    Cells() : Cells(Geometry(0, 0)) {}
    explicit Cells(const Geometry& shape) : shape(shape), cells(static_cast<std::size_t>(shape.CellCount())) {}

    [[nodiscard]] const Geometry& Shape() const { return shape; }
    [[nodiscard]] int size() const { return static_cast<int>(cells.size()); }
    [[nodiscard]] BrickRef& operator[](int index) { return cells[static_cast<std::size_t>(index)]; }
    [[nodiscard]] const BrickRef& operator[](int index) const { return cells[static_cast<std::size_t>(index)]; }
    [[nodiscard]] auto begin() const { return cells.begin(); }
    [[nodiscard]] auto end() const { return cells.end(); }

private:
    Geometry shape;
    std::vector<BrickRef> cells;
};

// Fresh copies of the bricks, on the same cells.
[[nodiscard]] Cells CopyOf(const Cells& cells);
// How many cells hold a brick.
[[nodiscard]] int BrickCount(const Cells& cells);

// The picture slots: slot n, from 1 to ColourCount, is colour n's normal look, slot n + ColourCount its pressed
// look. Slot 0 is unused, so that colour numbers and slot numbers agree.
using PictureSlots = std::array<PictureRef, 2 * ColourCount + 1>;

#endif
