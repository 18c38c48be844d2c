#include "board_surface.h"

#include "board_accessible.h"
#include "platform/key_state.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cstring>

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent)
{
    // Every pixel is covered by the picture: nothing underneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetZoom(1);
    setFocusPolicy(Qt::StrongFocus);
    // Before anything asks for this board's interface, which is then kept.
    BoardAccessible::Install();
    //: What screen readers call the board of bricks.
    setAccessibleName(tr("Board"));
    // Until the keys have been used.
    //: Said when the board first has the focus: the arrow keys move the keyboard's cursor from brick to brick.
    setAccessibleDescription(tr("Arrow keys move, Space or Return removes a group."));
}

void BoardSurface::SetShape(const Geometry& newShape)
{
    shape = newShape;
    SetZoom(zoom);
    static_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(this))->ShapeChanged();
}

void BoardSurface::SetZoom(qreal newZoom)
{
    zoom = newZoom;
    setFixedSize(qRound(shape.Width() * zoom), qRound(shape.Height() * zoom));
}

QRect BoardSurface::CellArea(int cell) const
{
    return {QPoint(shape.CellLeft(cell), shape.CellTop(cell)) * zoom, QSize(CellSize, CellSize) * zoom};
}

void BoardSurface::Present(const QImage& newPicture, const QRect& changed)
{
    // A copy of its own, never shared with the buffer: the next drawing into that would copy all of it, each frame.
    if (picture.size() != newPicture.size() || picture.devicePixelRatio() != newPicture.devicePixelRatio()) {
        picture = newPicture.copy();
        repaint();
        return;
    }
    const QRect part = changed & picture.rect();
    const auto rowBytes = static_cast<std::size_t>(part.width()) * sizeof(QRgb);
    for (int y = part.top(); y <= part.bottom(); ++y) {
        std::memcpy(picture.scanLine(y) + part.left() * sizeof(QRgb),
                    newPicture.constScanLine(y) + part.left() * sizeof(QRgb), rowBytes);
    }
    repaint(
        QRectF(QRectF(part).topLeft() / picture.devicePixelRatio(), QRectF(part).size() / picture.devicePixelRatio())
            .toAlignedRect());
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

void BoardSurface::Cover(bool on)
{
    if (on == covered) return;
    covered = on;
    if (on) shownDescription = accessibleDescription();
    const QString notice = tr("Paused. Press P or click to continue.");
    setAccessibleDescription(on ? notice : shownDescription);
    update();
    Say(on ? notice : tr("Resumed."));
}

QString BoardSurface::CellName(int cell) const
{
    if (covered) return tr("Paused, column %1, row %2").arg(shape.ColumnOf(cell) + 1).arg(shape.RowOf(cell) + 1);
    return DescribeCell ? DescribeCell(cell) : QString();
}

void BoardSurface::Say(const QString& message)
{
    if (!QAccessible::isActive()) return;
    static_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(this))->Say(message);
}

void BoardSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (covered) {
        PaintCover(painter);
        return;
    }
    if (picture.isNull()) {
        painter.fillRect(event->rect(), BoardPainter::BackColor);
    } else {
        // The picture's device pixel ratio sizes it to the board; Qt clips to the exposed area.
        painter.drawImage(QPoint(0, 0), picture);
    }
    if (cursor < 0 || picture.isNull()) return;
    // A black frame and a white one inside it, each two of the board's pixels wide: one of the two stands out against
    // every look and the board. In whole device pixels, so it stays sharp at any density and zoom.
    const qreal ratio = picture.devicePixelRatio();
    painter.scale(1 / ratio, 1 / ratio);
    const int cell = picture.width() / shape.Columns(), line = std::max(1, qRound(2.0 * cell / CellSize));
    const QRect outer(shape.ColumnOf(cursor) * cell, shape.RowOf(cursor) * cell, cell, cell);
    const QRect middle = outer.adjusted(line, line, -line, -line), inner = middle.adjusted(line, line, -line, -line);
    painter.setClipRegion(QRegion(outer).subtracted(middle));
    painter.fillRect(outer, Qt::black);
    painter.setClipRegion(QRegion(middle).subtracted(inner));
    painter.fillRect(middle, Qt::white);
}

void BoardSurface::PaintCover(QPainter& painter)
{
    // In the board's colour; the text in black, which stands out more on it than white does, at the board's zoom,
    // a quarter of a brick from the sides. A heading too wide for the board, in some language, is drawn smaller, and
    // the line below it wraps.
    painter.fillRect(rect(), BoardPainter::BackColor);
    painter.setPen(Qt::black);
    const int margin = qRound(CellSize / 4 * zoom);
    const QRect upper(margin, 0, width() - 2 * margin, height() / 2);
    const QRect lower(margin, height() / 2, width() - 2 * margin, height() - height() / 2);
    //: The heading on the board, covered while the game is paused.
    const QString title = tr("Paused");
    QFont heading = font(), line = font();
    heading.setPointSizeF(heading.pointSizeF() * 2 * zoom);
    heading.setBold(true);
    const int wide = QFontMetrics(heading).horizontalAdvance(title);
    if (wide > upper.width()) heading.setPointSizeF(heading.pointSizeF() * upper.width() / wide * 0.95);
    line.setPointSizeF(line.pointSizeF() * zoom);
    painter.setFont(heading);
    // Never clipped to their places: words that did not fit would show running into the margins, not cut off.
    painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextDontClip, title);
    painter.setFont(line);
    painter.drawText(lower.adjusted(0, QFontMetrics(line).height() / 2, 0, 0),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip,
                     //: Under the heading on the covered board; P is the key that pauses, and goes on.
                     tr("Press P or click to continue"));
}

void BoardSurface::mousePressEvent(QMouseEvent* event)
{
    if (!HoldBack(*event)) emit MouseDown(event->button(), PositionOf(*event));
}

void BoardSurface::mouseMoveEvent(QMouseEvent* event)
{
    if (!HoldBack(*event)) emit MouseMove(event->buttons(), PositionOf(*event));
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event)
{
    if (!HoldBack(*event)) emit MouseUp(event->button(), PositionOf(*event));
}

bool BoardSurface::HoldBack(const QMouseEvent& event)
{
    const bool left = event.button() == Qt::LeftButton;
    const bool press = event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick;
    // A press of the left button without the release of the one that uncovered the board: that release was lost.
    if (left && press) uncovering = false;
    if (covered && left && press) {
        uncovering = true;
        emit ResumeClicked();
        return true;
    }
    if (uncovering && left && event.type() == QEvent::MouseButtonRelease) {
        uncovering = false;
        return true;
    }
    return covered || uncovering;
}

QPointF BoardSurface::PositionOf(const QMouseEvent& event) const
{
    // At a scale factor other than 1 the pointer lies between points. Some versions of Qt hand a widget its
    // position rounded to a whole point, which can be the next cell's; the position in the window keeps the
    // fraction, which is put back.
    const QPointF position = event.position(), inWindow = event.scenePosition();
    return (position == position.toPoint() ? position + (inWindow - inWindow.toPoint()) : position) / zoom;
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
    if (covered) return true;
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

void BoardSurface::wheelEvent(QWheelEvent* event)
{
    if (!event->modifiers().testFlag(Qt::ControlModifier)) return QWidget::wheelEvent(event);
    // A touchpad turns it a little at a time.
    wheel += event->angleDelta().y();
    const int steps = wheel / QWheelEvent::DefaultDeltasPerStep;
    wheel -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0) emit ZoomWheel(steps);
}
