#include "group_search.h"

namespace {

// One depth-first search. Each step tries its neighbours in the order left, up, right,
// down, leaving out the way it came; the order of the result depends on exactly this.
class GroupSearch {
public:
    GroupSearch(const Cells& board, BrickCollection& group) : Board(board), shape(board.Shape()), group(group) {}

    void SpreadFrom(const Brick& seed)
    {
        const int i = seed.Index;
        if (shape.HasLeftNeighbour(i)) SpreadLeft(At(i - 1), seed.Picture);
        if (shape.HasUpNeighbour(i)) SpreadUp(At(i - shape.Columns()), seed.Picture);
        if (shape.HasRightNeighbour(i)) SpreadRight(At(i + 1), seed.Picture);
        if (shape.HasDownNeighbour(i)) SpreadDown(At(i + shape.Columns()), seed.Picture);
    }

private:
    void SpreadLeft(const BrickRef& cell, const PictureRef& picture)
    {
        if (!Join(cell, picture)) return;
        const int i = cell->Index;
        if (shape.HasLeftNeighbour(i)) SpreadLeft(At(i - 1), cell->Picture);
        if (shape.HasUpNeighbour(i)) SpreadUp(At(i - shape.Columns()), cell->Picture);
        if (shape.HasDownNeighbour(i)) SpreadDown(At(i + shape.Columns()), cell->Picture);
    }

    void SpreadUp(const BrickRef& cell, const PictureRef& picture)
    {
        if (!Join(cell, picture)) return;
        const int i = cell->Index;
        if (shape.HasLeftNeighbour(i)) SpreadLeft(At(i - 1), cell->Picture);
        if (shape.HasUpNeighbour(i)) SpreadUp(At(i - shape.Columns()), cell->Picture);
        if (shape.HasRightNeighbour(i)) SpreadRight(At(i + 1), cell->Picture);
    }

    void SpreadRight(const BrickRef& cell, const PictureRef& picture)
    {
        if (!Join(cell, picture)) return;
        const int i = cell->Index;
        if (shape.HasUpNeighbour(i)) SpreadUp(At(i - shape.Columns()), cell->Picture);
        if (shape.HasRightNeighbour(i)) SpreadRight(At(i + 1), cell->Picture);
        if (shape.HasDownNeighbour(i)) SpreadDown(At(i + shape.Columns()), cell->Picture);
    }

    void SpreadDown(const BrickRef& cell, const PictureRef& picture)
    {
        if (!Join(cell, picture)) return;
        const int i = cell->Index;
        if (shape.HasLeftNeighbour(i)) SpreadLeft(At(i - 1), cell->Picture);
        if (shape.HasRightNeighbour(i)) SpreadRight(At(i + 1), cell->Picture);
        if (shape.HasDownNeighbour(i)) SpreadDown(At(i + shape.Columns()), cell->Picture);
    }

    // Adds the cell's brick when it has the colour and is not in the group yet.
    bool Join(const BrickRef& cell, const PictureRef& picture)
    {
        if (!cell || cell->Picture != picture || group.Contains(*cell)) return false;
        group.Add(cell);
        return true;
    }

    const BrickRef& At(int index) const { return Board[index]; }

    const Cells& Board;
    const Geometry& shape;
    BrickCollection& group;
};

} // namespace

std::optional<BrickCollection> FindGroup(const Cells& Board, const BrickRef& seed)
{
    if (!seed) return std::nullopt;
    BrickCollection group;
    group.Add(seed);
    GroupSearch(Board, group).SpreadFrom(*seed);
    return group;
}
