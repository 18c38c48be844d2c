#ifndef BOARD_GEOMETRY_H
#define BOARD_GEOMETRY_H

// The board is 10 columns by 14 rows of 32-pixel cells; cell index = row * 10 + column,
// row 0 at the top. Pixel positions are those of the 320 x 448 drawing buffer.
inline constexpr int BoardColumns = 10;
inline constexpr int BoardRows = 14;
inline constexpr int CellCount = BoardColumns * BoardRows;
inline constexpr int CellSize = 32;
inline constexpr int BoardWidth = BoardColumns * CellSize;
inline constexpr int BoardHeight = BoardRows * CellSize;

constexpr int ColumnOf(int index)
{
    return index % BoardColumns;
}
constexpr int RowOf(int index)
{
    return index / BoardColumns;
}
constexpr int CellLeft(int index)
{
    return CellSize * ColumnOf(index);
}
constexpr int CellTop(int index)
{
    return CellSize * RowOf(index);
}

constexpr bool HasLeftNeighbour(int index)
{
    return ColumnOf(index) > 0;
}
constexpr bool HasUpNeighbour(int index)
{
    return index >= BoardColumns;
}
constexpr bool HasRightNeighbour(int index)
{
    return ColumnOf(index) < BoardColumns - 1;
}
constexpr bool HasDownNeighbour(int index)
{
    return index < CellCount - BoardColumns;
}

#endif
