#include "cells.h"

#include <algorithm>

Cells CopyOf(const Cells& cells)
{
    Cells copy;
    std::transform(cells.begin(), cells.end(), copy.begin(),
                   [](const BrickRef& brick) { return brick ? brick->Clone() : nullptr; });
    return copy;
}

int BrickCount(const Cells& cells)
{
    return static_cast<int>(std::count_if(cells.begin(), cells.end(), [](const BrickRef& brick) { return !!brick; }));
}
