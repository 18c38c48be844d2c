#ifndef BOARD_GROUP_SEARCH_H
#define BOARD_GROUP_SEARCH_H

#include "brick_collection.h"
#include "cells.h"

#include <optional>

// The seed brick and every brick joined to it through left, right, up or down
// neighbours of its colour, each once, seed first and the rest in depth-first order.
// An empty cell has no group at all.
[[nodiscard]] std::optional<BrickCollection> FindGroup(const Cells& Board, const BrickRef& seed);

#endif
