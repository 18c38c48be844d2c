#include "board_surface.h"

#include "board_accessible.h"
#include "platform/key_state.h"

#include <QKeyEvent>
#include <QPainter>

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent)
{
    // Every pixel is covered by the picture: nothing underneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(BoardWidth, BoardHeight);
    setFocusPolicy(Qt::StrongFocus);
    // Before anything asks for this board's interface, which is then kept.
    BoardAccessible::Install();
    setAccessibleName(tr("Board"));
    // Said when the board first has the focus, until the keys have been used.
    setAccessibleDescription(tr("Arrow keys move, Space or Return removes a group."));
}

void BoardSurface::Present(const QImage& picture)
{
    // Shares the buffer's pixels until the next drawing into it, which copies them.
    this->picture = picture;
    repaint();
}

void BoardSurface::ShowCursor(int cell)
{
    if (cell == cursor) return;
    cursor = cell;
    update();
    if (cell < 0) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(cell);
    QAccessible::updateAccessibility(&focus);
    setAccessibleDescription(QString());
}

void BoardSurface::Say(const QString& message)
{
    if (!QAccessible::isActive()) return;
    static_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(this))->Say(message);
}

void BoardSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (picture.isNull()) {
        painter.fillRect(event->rect(), BoardPainter::BackColor);
    } else {
        // The picture's device pixel ratio sizes it to the board; Qt clips to the exposed area.
        painter.drawImage(QPoint(0, 0), picture);
    }
    if (cursor < 0) return;
    // A black frame and a white one inside it: one of the two stands out against every look and the
    // board. Whole pixels wide, so it stays sharp at any density.
    const QRect outer(CellLeft(cursor), CellTop(cursor), CellSize, CellSize);
    const QRect middle = outer.adjusted(2, 2, -2, -2), inner = middle.adjusted(2, 2, -2, -2);
    painter.setClipRegion(QRegion(outer).subtracted(middle));
    painter.fillRect(outer, Qt::black);
    painter.setClipRegion(QRegion(middle).subtracted(inner));
    painter.fillRect(middle, Qt::white);
}

void BoardSurface::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(event->button(), PositionOf(*event));
}

void BoardSurface::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMove(event->buttons(), PositionOf(*event));
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseUp(event->button(), PositionOf(*event));
}

QPointF BoardSurface::PositionOf(const QMouseEvent& event)
{
    // At a scale factor other than 1 the pointer lies between points. Some versions of Qt hand a widget its
    // position rounded to a whole point, which can be the next cell's; the position in the window keeps the
    // fraction, which is put back.
    const QPointF position = event.position(), inWindow = event.scenePosition();
    if (position != position.toPoint()) return position;
    return position + (inWindow - inWindow.toPoint());
}

void BoardSurface::keyPressEvent(QKeyEvent* event)
{
    if (!TakeKey(event, true)) QWidget::keyPressEvent(event);
}

void BoardSurface::keyReleaseEvent(QKeyEvent* event)
{
    if (!TakeKey(event, false)) QWidget::keyReleaseEvent(event);
}

bool BoardSurface::TakeKey(QKeyEvent* event, bool down)
{
    static const QList<int> keys{Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Up,    Qt::Key_Down,
                                 Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape};
    if (!keys.contains(event->key())) return false;
    // Auto-repeat sends a release and a press while the key is held. Some paths lose their mark, a screen reader's
    // among them, so a release counts only once the key is up.
    emit Key(event->key(), down, event->isAutoRepeat() || (!down && KeyIsDown(event->nativeScanCode()) == true));
    return true;
}

void BoardSurface::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    emit FocusLost();
}
