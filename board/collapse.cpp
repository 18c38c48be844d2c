#include "collapse.h"

void PlanCollapse(Cells& Board, BrickCollection& slide, BrickCollection& fall)
{
    const Geometry& shape = Board.Shape();
    int emptyColumns = 0;
    for (int column = 0; column < shape.Columns(); ++column) {
        int emptyBelow = 0;
        for (int i = shape.IndexOf(column, shape.Rows() - 1); i >= column; i -= shape.Columns()) {
            BrickRef& cell = Board[i];
            if (!cell) {
                ++emptyBelow;
                continue;
            }
            if (emptyColumns == 0 && emptyBelow == 0) continue;
            const int target = i - emptyColumns + emptyBelow * shape.Columns();
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
            Board[target] = std::move(brick);
        }
        if (emptyBelow == shape.Rows()) ++emptyColumns;
    }
}
