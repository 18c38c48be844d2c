#include "board_accessible.h"

#include "board_surface.h"

#include <QPointer>

#include <algorithm>
#include <cmath>

namespace {

// A part of the board with no parts of its own, known to assistive technology through the board.
class BoardPart : public QAccessibleInterface {
public:
    explicit BoardPart(BoardSurface* board) : board(board) {}

    [[nodiscard]] bool isValid() const override { return !board.isNull(); }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override { return board->window()->windowHandle(); }
    [[nodiscard]] QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board); }
    [[nodiscard]] QAccessibleInterface* focusChild() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* child(int) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<BoardSurface> board;
};

class CellAccessible final : public BoardPart, public QAccessibleTableCellInterface {
public:
    CellAccessible(BoardSurface* board, int cell) : BoardPart(board), cell(cell) {}

    // Not a table's cell: a screen reader then reads the whole row whenever the row changes, as Orca does in a
    // program's tables, ten names for one step up or down. The table interface stays, for the clients that walk it.
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::ListItem; }
    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? board->CellName(cell) : QString();
    }
    [[nodiscard]] QRect rect() const override
    {
        const QRect area = board->CellArea(cell);
        return {board->mapToGlobal(area.topLeft()), area.size()};
    }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = board->Cursor() == cell;
        return state;
    }
    [[nodiscard]] void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    // QAccessibleTableCellInterface
    [[nodiscard]] int rowIndex() const override { return board->Shape().RowOf(cell); }
    [[nodiscard]] int columnIndex() const override { return board->Shape().ColumnOf(cell); }
    [[nodiscard]] int rowExtent() const override { return 1; }
    [[nodiscard]] int columnExtent() const override { return 1; }
    [[nodiscard]] QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    [[nodiscard]] QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    [[nodiscard]] bool isSelected() const override { return false; }
    [[nodiscard]] QAccessibleInterface* table() const override { return parent(); }

private:
    int cell;
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt before 6.8 sends no announcements. A notification that shows is spoken at once: Orca drops a change to the
// focused cell's name, and it finds the message in this one's name.
class NoticeAccessible final : public BoardPart {
public:
    NoticeAccessible(BoardSurface* board, const QString& message) : BoardPart(board), message(message) {}

    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Notification; }
    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? message : QString();
    }
    [[nodiscard]] QRect rect() const override { return {}; }
    [[nodiscard]] QAccessible::State state() const override { return {}; }

private:
    const QString& message;
};
#endif

QAccessibleInterface* BoardFactory(const QString& /*className*/, QObject* object)
{
    auto* board = qobject_cast<BoardSurface*>(object);
    return board != nullptr ? new BoardAccessible(board) : nullptr;
}

} // namespace

BoardAccessible::BoardAccessible(BoardSurface* board) : QAccessibleWidget(board, QAccessible::Table) {}

BoardAccessible::~BoardAccessible()
{
    DeleteCells();
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (notice != 0) QAccessible::deleteAccessibleInterface(notice);
#endif
}

void BoardAccessible::Install()
{
    static const bool installed = (QAccessible::installFactory(BoardFactory), true);
    Q_UNUSED(installed);
}

void BoardAccessible::Say(const QString& text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(this, text);
#else
    message = text;
    if (notice == 0) notice = QAccessible::registerAccessibleInterface(new NoticeAccessible(Board(), message));
    QAccessibleEvent event(QAccessible::accessibleInterface(notice), QAccessible::ObjectShow);
#endif
    QAccessible::updateAccessibility(&event);
}

void BoardAccessible::DeleteCells()
{
    for (const QAccessible::Id id : cells) {
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
    cells.clear();
}

void BoardAccessible::ShapeChanged()
{
    DeleteCells();
    QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
}

int BoardAccessible::childCount() const
{
    return Board()->Shape().CellCount();
}

int BoardAccessible::rowCount() const
{
    return Board()->Shape().Rows();
}

int BoardAccessible::columnCount() const
{
    return Board()->Shape().Columns();
}

QAccessibleInterface* BoardAccessible::child(int index) const
{
    if (index < 0 || index >= childCount()) return nullptr;
    cells.resize(static_cast<std::size_t>(childCount()));
    QAccessible::Id& id = cells[static_cast<std::size_t>(index)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new CellAccessible(Board(), index));
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto found = std::find_if(cells.begin(), cells.end(), [child](QAccessible::Id id) {
        return id != 0 && QAccessible::accessibleInterface(id) == child;
    });
    return found == cells.end() ? -1 : static_cast<int>(found - cells.begin());
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const
{
    const QPointF at = QPointF(Board()->mapFromGlobal(QPoint(x, y))) / Board()->Zoom();
    const Geometry& shape = Board()->Shape();
    return child(shape.IndexAt(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))));
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const
{
    const Geometry& shape = Board()->Shape();
    return shape.Contains(column, row) ? child(shape.IndexOf(column, row)) : nullptr;
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* BoardAccessible::focusChild() const
{
    return child(Board()->Cursor());
}

BoardSurface* BoardAccessible::Board() const
{
    return static_cast<BoardSurface*>(widget());
}
