#ifndef BOARD_GAME_OVER_H
#define BOARD_GAME_OVER_H

#include "cells.h"

// True when no two neighbouring bricks (left-right or up-down) share a colour, so no
// group of two or more is left to remove.
[[nodiscard]] bool IsGameOver(const Cells& Board);

#endif
