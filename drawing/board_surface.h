#ifndef DRAWING_BOARD_SURFACE_H
#define DRAWING_BOARD_SURFACE_H

#include "board_painter.h"

#include <QWidget>

#include <functional>

// The board area of the window: shows the last presented picture with the keyboard's cursor over
// it, reports the mouse in the board's pixels and the board's keys, and tells assistive technology
// about its cells. The board is shown zoomed, each of its pixels `Zoom()` points wide.
class BoardSurface final : public QWidget, public Screen {
    Q_OBJECT

public:
    explicit BoardSurface(QWidget* parent = nullptr);

    // Takes the changed part of the picture and repaints it at once, without returning to the event loop: the
    // animations present frame after frame while they keep the thread busy.
    void Present(const QImage& picture, const QRect& changed) override;
    [[nodiscard]] const QImage& Picture() const { return picture; }

    // The board's shape and zoom set the widget's size.
    void SetShape(const Geometry& shape);
    [[nodiscard]] const Geometry& Shape() const { return shape; }
    void SetZoom(qreal zoom);
    [[nodiscard]] qreal Zoom() const { return zoom; }
    // Where the cell is shown, in points of this widget.
    [[nodiscard]] QRect CellArea(int cell) const;

    // The cell framed as the keyboard's cursor, or -1 for none; assistive technology follows it as the focus.
    void ShowCursor(int cell);
    [[nodiscard]] int Cursor() const { return cursor; }

    // Covers the board with a notice of the pause: no brick shows, no cell tells what it holds, and the board's
    // keys and the mouse reach nothing. A left click on the cover asks to go on.
    void Cover(bool on);
    [[nodiscard]] bool Covered() const { return covered; }

    // What assistive technology is told a cell holds.
    std::function<QString(int cell)> DescribeCell;
    // What it is told of a cell: what it holds, or only where it is while the board is covered.
    [[nodiscard]] QString CellName(int cell) const;
    // Has a screen reader say what just happened, at once.
    void Say(const QString& message);

signals:
    // Buttons as Qt's bits: 1 left, 2 right, 4 middle. For a move, all buttons held.
    void MouseDown(Qt::MouseButtons button, QPointF position);
    void MouseMove(Qt::MouseButtons buttons, QPointF position);
    void MouseUp(Qt::MouseButtons button, QPointF position);
    // The board's keys: the arrows, Space, Return, Enter and Escape.
    void Key(int key, bool down, bool autoRepeat);
    void FocusLost();
    // The left button went down on the covered board.
    void ResumeClicked();
    // The wheel turned with Ctrl held, in whole steps: up is positive.
    void ZoomWheel(int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Where the pointer is on the board, in its pixels, to the fraction of a point.
    [[nodiscard]] QPointF PositionOf(const QMouseEvent& event) const;
    // Whether the event is one of the board's keys, sent on as Key unless the board is covered.
    bool TakeKey(QKeyEvent* event, bool down);
    // Whether a mouse event is kept from the game: all while the board is covered, and the click that uncovers it.
    bool HoldBack(const QMouseEvent& event);
    void PaintCover(QPainter& painter);

    QImage picture;
    Geometry shape{0, 0};
    int cursor = -1;
    qreal zoom = 1;
    int wheel = 0; // eighths of a degree turned with Ctrl held, short of a whole step
    bool covered = false;
    bool uncovering = false;  // the left button that uncovered the board is still down
    QString shownDescription; // the board's own, while the cover's is shown
};

#endif
