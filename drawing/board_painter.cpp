#include "board_painter.h"

#include "assets/artwork.h"
#include "board/brick_collection.h"
#include "brick_picture.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

const QColor BoardPainter::BackColor = Artwork::BoardColour();

BoardPainter::BoardPainter(Screen& screen, const Geometry& shape, qreal devicePixelRatio, qreal zoom)
    : shape(shape), screen(screen)
{
    UseScale(zoom, devicePixelRatio);
}

bool BoardPainter::SizeBuffer(const Geometry& newShape)
{
    if (newShape == shape) return false;
    shape = newShape;
    MakeBuffer();
    return true;
}

bool BoardPainter::UseScale(qreal newZoom, qreal devicePixelRatio)
{
    const int pixels = std::max(1, static_cast<int>(std::lround(CellSize * newZoom * devicePixelRatio)));
    if (pixels == cellPixels && newZoom == zoom) return false;
    cellPixels = pixels;
    zoom = newZoom;
    MakeBuffer();
    return true;
}

void BoardPainter::MakeBuffer()
{
    buffer = QImage(shape.Columns() * cellPixels, shape.Rows() * cellPixels, QImage::Format_RGB32);
    // Its size in points is the zoomed board's.
    buffer.setDevicePixelRatio(cellPixels / (CellSize * zoom));
    buffer.fill(BackColor);
    changed = buffer.rect();
}

void BoardPainter::Render(const Cells& Board)
{
    QImage pixels = DevicePixels();
    QPainter painter(&pixels);
    for (int i = 0; i < Board.size(); ++i) {
        if (const BrickRef& brick = Board[i]) {
            PaintPicture(painter, brick->Picture, brick->Left, brick->Top);
        } else {
            FillCell(painter, static_cast<float>(Board.Shape().CellLeft(i)),
                     static_cast<float>(Board.Shape().CellTop(i)));
        }
    }
}

void BoardPainter::PaintBricks(const BrickCollection& bricks, bool pressed)
{
    QImage pixels = DevicePixels();
    QPainter painter(&pixels);
    for (const BrickRef& brick : bricks) {
        PaintPicture(painter, pressed ? brick->DownPicture : brick->Picture, brick->Left, brick->Top);
    }
}

void BoardPainter::EraseBricks(const BrickCollection& bricks)
{
    QImage pixels = DevicePixels();
    QPainter painter(&pixels);
    for (const BrickRef& brick : bricks) {
        FillCell(painter, brick->Left, brick->Top);
    }
}

void BoardPainter::ShowBuffer()
{
    screen.Present(buffer, changed);
    changed = QRect();
}

void BoardPainter::PaintPicture(QPainter& painter, const PictureRef& picture, float left, float top)
{
    const QRect cell = CellPixels(left, top);
    painter.drawImage(cell.topLeft(), picture->Image(cellPixels, symbols));
    changed |= cell;
}

void BoardPainter::FillCell(QPainter& painter, float left, float top)
{
    const QRect cell = CellPixels(left, top);
    painter.fillRect(cell, BackColor);
    changed |= cell;
}

QRect BoardPainter::CellPixels(float left, float top) const
{
    const double scale = static_cast<double>(cellPixels) / CellSize;
    return {static_cast<int>(std::lround(left * scale)), static_cast<int>(std::lround(top * scale)), cellPixels,
            cellPixels};
}

// A painter on the buffer itself would count in logical pixels and scale them by its
// ratio; this image without one shares the buffer's memory, so drawing is in device pixels.
QImage BoardPainter::DevicePixels()
{
    return {buffer.bits(), buffer.width(), buffer.height(), buffer.bytesPerLine(), buffer.format()};
}
