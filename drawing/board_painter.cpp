#include "board_painter.h"

#include "board/brick_collection.h"
#include "brick_picture.h"

#include <QPainter>

#include <cmath>

const QColor BoardPainter::BackColor(100, 135, 220);

BoardPainter::BoardPainter(Screen& screen) : buffer(BoardWidth, BoardHeight, QImage::Format_RGB32), screen(screen)
{
    buffer.fill(BackColor);
}

void BoardPainter::Render(const Cells& Board)
{
    QPainter painter(&buffer);
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
    QPainter painter(&buffer);
    for (const BrickRef& brick : bricks) {
        PaintPicture(painter, pressed ? brick->DownPicture : brick->Picture, brick->Left, brick->Top);
    }
}

void BoardPainter::EraseBricks(const BrickCollection& bricks)
{
    QPainter painter(&buffer);
    for (const BrickRef& brick : bricks) {
        FillCell(painter, brick->Left, brick->Top);
    }
}

void BoardPainter::ShowBuffer()
{
    screen.Present(buffer);
}

void BoardPainter::PaintPicture(QPainter& painter, const PictureRef& picture, float left, float top)
{
    painter.drawImage(PixelAt(left, top), picture->Image());
}

void BoardPainter::FillCell(QPainter& painter, float left, float top)
{
    painter.fillRect(QRect(PixelAt(left, top), QSize(CellSize, CellSize)), BackColor);
}

QPoint BoardPainter::PixelAt(float left, float top)
{
    return {static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top))};
}
