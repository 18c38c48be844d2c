#ifndef DRAWING_BOARD_ACCESSIBLE_H
#define DRAWING_BOARD_ACCESSIBLE_H

#include "board/geometry.h"

#include <QAccessibleWidget>

#include <array>

class BoardSurface;

// The board as assistive technology sees it: a table of cells, each named by what it holds, the one
// under the keyboard's cursor having the focus.
class BoardAccessible final : public QAccessibleWidget {
public:
    explicit BoardAccessible(BoardSurface* board);
    ~BoardAccessible() override;
    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;

    // Makes every board answer with this interface; once is enough.
    static void Install();

    [[nodiscard]] int childCount() const override { return CellCount; }
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface* focusChild() const override;

private:
    [[nodiscard]] BoardSurface* Board() const;

    mutable std::array<QAccessible::Id, CellCount> cells{}; // made when first asked for
};

#endif
