#ifndef BOARD_COLLAPSE_H
#define BOARD_COLLAPSE_H

#include "brick_collection.h"
#include "cells.h"

// Closes up the board after a removal in one pass: bricks fall onto the bottom of their
// column and empty columns close from the left. Each moved brick gets its new cell and
// how far it travels (XOffset columns left, YOffset rows down), and is listed, by old
// column and from the bottom up, in slide and/or fall. Left and Top are not touched:
// the animations carry the bricks there.
void PlanCollapse(Cells& Board, BrickCollection& slide, BrickCollection& fall);

#endif
