#ifndef DRAWING_BOARD_SURFACE_H
#define DRAWING_BOARD_SURFACE_H

#include "board_painter.h"

#include <QWidget>

// The board area of the window: shows the last presented picture and reports the
// mouse in its own pixels.
class BoardSurface final : public QWidget, public Screen {
    Q_OBJECT

public:
    explicit BoardSurface(QWidget* parent = nullptr);

    // Repaints at once, without returning to the event loop: the animations present
    // frame after frame while they keep the thread busy.
    void Present(const QImage& picture) override;
    [[nodiscard]] const QImage& Picture() const { return picture; }

signals:
    // Buttons as Qt's bits: 1 left, 2 right, 4 middle. For a move, all buttons held.
    void MouseDown(Qt::MouseButtons button, QPointF position);
    void MouseMove(Qt::MouseButtons buttons, QPointF position);
    void MouseUp(Qt::MouseButtons button, QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture;
};

#endif
