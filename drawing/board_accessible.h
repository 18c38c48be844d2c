#ifndef DRAWING_BOARD_ACCESSIBLE_H
#define DRAWING_BOARD_ACCESSIBLE_H

#include <QAccessibleWidget>

#include <vector>

class BoardSurface;

// The board as assistive technology sees it: a table of its rows and columns of cells, each named by what it
// holds, the one under the keyboard's cursor having the focus. Nothing is ever selected: a pressed group is told
// in its cells' names, as it always was. What happens on the board is said as it happens.
class BoardAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardSurface* board);
    ~BoardAccessible() override;
    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;

    // Makes every board answer with this interface; once is enough.
    static void Install();
    // Has a screen reader say the message now, wherever its focus is.
    void Say(const QString& message);
    // The board has other rows and columns now: its cells are made afresh.
    void ShapeChanged();

    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface* focusChild() const override;
    [[nodiscard]] void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface
    [[nodiscard]] QAccessibleInterface* caption() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* summary() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* cellAt(int row, int column) const override;
    [[nodiscard]] int rowCount() const override;
    [[nodiscard]] int columnCount() const override;
    // The cells' names say where they are, so the rows and columns need no headings of their own.
    [[nodiscard]] QString rowDescription(int) const override { return {}; }
    [[nodiscard]] QString columnDescription(int) const override { return {}; }
    [[nodiscard]] int selectedCellCount() const override { return 0; }
    [[nodiscard]] int selectedRowCount() const override { return 0; }
    [[nodiscard]] int selectedColumnCount() const override { return 0; }
    [[nodiscard]] QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    [[nodiscard]] QList<int> selectedRows() const override { return {}; }
    [[nodiscard]] QList<int> selectedColumns() const override { return {}; }
    [[nodiscard]] bool isRowSelected(int) const override { return false; }
    [[nodiscard]] bool isColumnSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    [[nodiscard]] BoardSurface* Board() const;
    void DeleteCells();

    mutable std::vector<QAccessible::Id> cells; // made when first asked for, 0 until then
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QAccessible::Id notice = 0; // what Say shows as a notification
    QString message;
#endif
};

#endif
