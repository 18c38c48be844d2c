#ifndef DRAWING_BOARD_PAINTER_H
#define DRAWING_BOARD_PAINTER_H

#include "board/game_board.h"

#include <QColor>
#include <QImage>

class BrickCollection;
class QPainter;

// Where a finished picture of the board goes; it must be on screen when Present returns.
class Screen {
public:
    virtual ~Screen() = default;
    virtual void Present(const QImage& picture) = 0;
};

// All drawing goes into an off-screen buffer, which the screen sees only through
// ShowBuffer, so the window never shows a half-drawn step.
class BoardPainter {
public:
    explicit BoardPainter(Screen& screen);

    // The colour of an empty cell.
    static const QColor BackColor;

    void Render(const Cells& Board);
    void PaintBricks(const BrickCollection& bricks, bool pressed);
    void EraseBricks(const BrickCollection& bricks);
    void ShowBuffer();

    [[nodiscard]] const QImage& Buffer() const { return buffer; }

private:
    static void PaintPicture(QPainter& painter, const PictureRef& picture, float left, float top);
    static void FillCell(QPainter& painter, float left, float top);
    static QPoint PixelAt(float left, float top);

    QImage buffer;
    Screen& screen;
};

#endif
