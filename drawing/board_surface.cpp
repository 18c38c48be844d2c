#include "board_surface.h"

#include <QMouseEvent>
#include <QPainter>

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent)
{
    // Every pixel is covered by the picture: nothing underneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(BoardWidth, BoardHeight);
}

void BoardSurface::Present(const QImage& picture)
{
    // Shares the buffer's pixels until the next drawing into it, which copies them.
    this->picture = picture;
    repaint();
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
}

void BoardSurface::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(event->button(), event->position());
}

void BoardSurface::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMove(event->buttons(), event->position());
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseUp(event->button(), event->position());
}
