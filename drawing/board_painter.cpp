#include "board_painter.h"

#include "board/brick_collection.h"
#include "brick_picture.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

const QColor BoardPainter::BackColor(100, 135, 220);

BoardPainter::BoardPainter(Screen& screen, qreal devicePixelRatio, qreal zoom) : screen(screen)
{
    UseScale(zoom, devicePixelRatio);
}

bool BoardPainter::UseScale(qreal newZoom, qreal devicePixelRatio)
{
    const int pixels = std::max(1, static_cast<int>(std::lround(CellSize * newZoom * devicePixelRatio)));
    if (pixels == cellPixels && newZoom == zoom) return false;
    cellPixels = pixels;
    zoom = newZoom;
    buffer = QImage(BoardColumns * cellPixels, BoardRows * cellPixels, QImage::Format_RGB32);
    // Its size in points is the zoomed board's.
    buffer.setDevicePixelRatio(cellPixels / (CellSize * zoom));
    buffer.fill(BackColor);
    changed = buffer.rect();
    return true;
}

void BoardPainter::Render(const Cells& Board)
{
    QImage pixels = DevicePixels();
    QPainter painter(&pixels);
    for (int i = 0; i < CellCount; ++i) {
        if (const BrickRef& brick = Board[static_cast<std::size_t>(i)]) {
            PaintPicture(painter, brick->Picture, brick->Left, brick->Top);
        } else {
            FillCell(painter, static_cast<float>(CellLeft(i)), static_cast<float>(CellTop(i)));
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
