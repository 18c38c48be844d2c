#ifndef BOARD_GEOMETRY_H
#define BOARD_GEOMETRY_H

// A brick's side in the board's pixels, those of the drawing buffer at 100 %.
inline constexpr int CellSize = 32;

// A board of columns by rows of cells: cell index = row * columns + column, row 0 at the top and column 0 at the
// left. The cell at (column, row) lies at pixel (CellSize * column, CellSize * row).
class Geometry {
public:
    constexpr Geometry(int columns, int rows) : columns(columns), rows(rows) {}

    [[nodiscard]] constexpr int Columns() const { return columns; }
    [[nodiscard]] constexpr int Rows() const { return rows; }
    [[nodiscard]] constexpr int CellCount() const { return columns * rows; }
    [[nodiscard]] constexpr int Width() const { return columns * CellSize; }
    [[nodiscard]] constexpr int Height() const { return rows * CellSize; }

    [[nodiscard]] constexpr int ColumnOf(int index) const { return index % columns; }
    [[nodiscard]] constexpr int RowOf(int index) const { return index / columns; }
    [[nodiscard]] constexpr int IndexOf(int column, int row) const { return row * columns + column; }
    [[nodiscard]] constexpr int CellLeft(int index) const { return CellSize * ColumnOf(index); }
    [[nodiscard]] constexpr int CellTop(int index) const { return CellSize * RowOf(index); }
    [[nodiscard]] constexpr bool Contains(int column, int row) const
    {
        return column >= 0 && column < columns && row >= 0 && row < rows;
    }

    [[nodiscard]] constexpr bool HasLeftNeighbour(int index) const { return ColumnOf(index) > 0; }
    [[nodiscard]] constexpr bool HasUpNeighbour(int index) const { return index >= columns; }
    [[nodiscard]] constexpr bool HasRightNeighbour(int index) const { return ColumnOf(index) < columns - 1; }
    [[nodiscard]] constexpr bool HasDownNeighbour(int index) const { return index < CellCount() - columns; }

    // The cell under a pixel of the board, or -1 off the board.
    [[nodiscard]] constexpr int IndexAt(int x, int y) const
    {
        if (y < 0) return -1;
        const int row = y / CellSize;
        if (row >= rows) return -1;
        if (x < 0) return -1;
        const int column = x / CellSize;
        if (column >= columns) return -1;
        return IndexOf(column, row);
    }

    constexpr bool operator==(const Geometry&) const = default;

private:
    int columns;
    int rows;
};

#endif
