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
// ShowBuffer, so the window never shows a half-drawn step. Positions are in the board's
// pixels; the buffer has the screen's density, with its device pixel ratio set to match.
class BoardPainter {
public:
    explicit BoardPainter(Screen& screen, qreal devicePixelRatio = 1);

    // The colour of an empty cell.
    static const QColor BackColor;

    // Whether the ratio called for a new buffer, which is then blank until the next Render.
    // The ratio is rounded so that a cell is a whole number of device pixels.
    bool UseDevicePixelRatio(qreal ratio);

    // Whether bricks are drawn marked with the symbol of their colour, from the next drawing on.
    void ShowSymbols(bool on) { symbols = on; }

    void Render(const Cells& Board);
    void PaintBricks(const BrickCollection& bricks, bool pressed);
    void EraseBricks(const BrickCollection& bricks);
    void ShowBuffer();

    [[nodiscard]] const QImage& Buffer() const { return buffer; }

private:
    void PaintPicture(QPainter& painter, const PictureRef& picture, float left, float top) const;
    void FillCell(QPainter& painter, float left, float top) const;
    [[nodiscard]] QPoint PixelAt(float left, float top) const;
    [[nodiscard]] QImage DevicePixels();

    int cellPixels = 0; // a cell's side in device pixels
    bool symbols = false;
    QImage buffer;
    Screen& screen;
};

#endif
