#ifndef BOARD_BOARD_KIND_H
#define BOARD_BOARD_KIND_H

#include "geometry.h"

#include <array>

// The colours a brick can have, 1 to 6; a board deals the first of them.
inline constexpr int ColourCount = 6;

// A kind of board: its size and the number of colours its bricks come in.
struct BoardKind {
    Geometry shape;
    int colours;

    constexpr bool operator==(const BoardKind&) const = default;
};

// The board the game has always dealt, and the kinds a player may choose instead: any of the sizes, small to
// large, with any number of colours from the fewest to all.
inline constexpr BoardKind NormalKind{{10, 14}, 5};
inline constexpr std::array<Geometry, 3> BoardSizes{{{8, 10}, NormalKind.shape, {15, 20}}};
inline constexpr int FewestColours = 3;

#endif
