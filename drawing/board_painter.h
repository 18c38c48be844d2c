#ifndef DRAWING_BOARD_PAINTER_H
#define DRAWING_BOARD_PAINTER_H

#include "board/cells.h"

#include <QColor>
#include <QImage>

class BrickCollection;
class QPainter;

// Where a finished picture of the board goes; it must be on screen when Present returns.
class Screen {
public:
    virtual ~Screen() = default;
    // `changed` says where, in the picture's pixels, it differs from the one presented last; all of it for a
    // picture of another size.
    virtual void Present(const QImage& picture, const QRect& changed) = 0;
};

// All drawing goes into an off-screen buffer the size of a board of its shape, which the screen sees only through
// ShowBuffer, so the window never shows a half-drawn step. Positions are in the board's pixels, each shown `zoom`
// points wide; the buffer has the screen's density, with its device pixel ratio set to match.
class BoardPainter {
public:
    BoardPainter(Screen& screen, const Geometry& shape, qreal devicePixelRatio = 1, qreal zoom = 1);

    // The colour of an empty cell.
    static const QColor BackColor;

    // Each tells whether it called for a new buffer, which is then blank until the next Render. A cell is a whole
    // number of device pixels.
    bool SizeBuffer(const Geometry& shape);
    bool UseScale(qreal zoom, qreal devicePixelRatio);

    // Whether bricks are drawn marked with the symbol of their colour, from the next drawing on.
    void ShowSymbols(bool on) { symbols = on; }

    void Render(const Cells& Board);
    void PaintBricks(const BrickCollection& bricks, bool pressed);
    void EraseBricks(const BrickCollection& bricks);
    void ShowBuffer();

    [[nodiscard]] const QImage& Buffer() const { return buffer; }

private:
    void PaintPicture(QPainter& painter, const PictureRef& picture, float left, float top);
    void FillCell(QPainter& painter, float left, float top);
    [[nodiscard]] QRect CellPixels(float left, float top) const;
    [[nodiscard]] QImage DevicePixels();
    void MakeBuffer();

    Geometry shape;
    int cellPixels = 0; // a cell's side in device pixels
    qreal zoom = 1;
    bool symbols = false;
    QImage buffer;
    QRect changed; // drawn since the last ShowBuffer, in device pixels
    Screen& screen;
};

#endif
