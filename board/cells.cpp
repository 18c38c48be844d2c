#include "cells.h"

#include <algorithm>

Cells CopyOf(const Cells& cells)
{
    Cells copy(cells.Shape());
    for (int i = 0; i < cells.size(); ++i) copy[i] = cells[i] ? cells[i]->Clone() : nullptr;
    return copy;
}

int BrickCount(const Cells& cells)
{
    return static_cast<int>(std::count_if(cells.begin(), cells.end(), [](const BrickRef& brick) { return !!brick; }));
}
