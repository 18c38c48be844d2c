#include "group_search.h"

namespace {

// One depth-first search. Each step tries its neighbours in the order left, up, right,
// down, leaving out the way it came; the order of the result depends on exactly this.
class GroupSearch {
public:
    GroupSearch(const Cells& board, BrickCollection& group) : Board(board), group(group) {}

    void SpreadFrom(const Brick& seed)
    {
        const int i = seed.Index;
        if (HasLeftNeighbour(i)) SpreadLeft(At(i - 1), seed.Picture);
        if (HasUpNeighbour(i)) SpreadUp(At(i - BoardColumns), seed.Picture);
        if (HasRightNeighbour(i)) SpreadRight(At(i + 1), seed.Picture);
        if (HasDownNeighbour(i)) SpreadDown(At(i + BoardColumns), seed.Picture);
    }

private:
    void SpreadLeft(const BrickRef& cell, const PictureRef& picture)
    {
        if (!Join(cell, picture)) return;
        const int i = cell->Index;
        if (HasLeftNeighbour(i)) SpreadLeft(At(i - 1), cell->Picture);
        if (HasUpNeighbour(i)) SpreadUp(At(i - BoardColumns), cell->Picture);
        if (HasDownNeighbour(i)) SpreadDown(At(i + BoardColumns), cell->Picture);
    }

    void SpreadUp(const BrickRef& cell, const PictureRef& picture)
    {
        if (!Join(cell, picture)) return;
        const int i = cell->Index;
        if (HasLeftNeighbour(i)) SpreadLeft(At(i - 1), cell->Picture);
        if (HasUpNeighbour(i)) SpreadUp(At(i - BoardColumns), cell->Picture);
        if (HasRightNeighbour(i)) SpreadRight(At(i + 1), cell->Picture);
    }

    void SpreadRight(const BrickRef& cell, const PictureRef& picture)
    {
        if (!Join(cell, picture)) return;
        const int i = cell->Index;
        if (HasUpNeighbour(i)) SpreadUp(At(i - BoardColumns), cell->Picture);
        if (HasRightNeighbour(i)) SpreadRight(At(i + 1), cell->Picture);
        if (HasDownNeighbour(i)) SpreadDown(At(i + BoardColumns), cell->Picture);
    }

    void SpreadDown(const BrickRef& cell, const PictureRef& picture)
    {
        if (!Join(cell, picture)) return;
        const int i = cell->Index;
        if (HasLeftNeighbour(i)) SpreadLeft(At(i - 1), cell->Picture);
        if (HasRightNeighbour(i)) SpreadRight(At(i + 1), cell->Picture);
        if (HasDownNeighbour(i)) SpreadDown(At(i + BoardColumns), cell->Picture);
    }

    // Adds the cell's brick when it has the colour and is not in the group yet.
    bool Join(const BrickRef& cell, const PictureRef& picture)
    {
        if (!cell || cell->Picture != picture || group.Contains(*cell)) return false;
        group.Add(cell);
        return true;
    }

    const BrickRef& At(int index) const { return Board[static_cast<std::size_t>(index)]; }

    const Cells& Board;
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
