#include "collapse.h"

void PlanCollapse(Cells& Board, BrickCollection& slide, BrickCollection& fall)
{
    int emptyColumns = 0;
    for (int column = 0; column < BoardColumns; ++column) {
        int emptyBelow = 0;
        for (int i = column + CellCount - BoardColumns; i >= column; i -= BoardColumns) {
            BrickRef& cell = Board[static_cast<std::size_t>(i)];
            if (!cell) {
                ++emptyBelow;
                continue;
            }
            if (emptyColumns == 0 && emptyBelow == 0) continue;
            const int target = i - emptyColumns + emptyBelow * BoardColumns;
            BrickRef brick = std::move(cell);
            brick->Index = target;
            if (emptyColumns != 0) {
                brick->XOffset = emptyColumns;
                slide.Add(brick);
            }
            if (emptyBelow != 0) {
                brick->YOffset = emptyBelow;
                fall.Add(brick);
            }
            Board[static_cast<std::size_t>(target)] = std::move(brick);
        }
        if (emptyBelow == BoardRows) ++emptyColumns;
    }
}
