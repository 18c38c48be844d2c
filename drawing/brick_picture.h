#ifndef DRAWING_BRICK_PICTURE_H
#define DRAWING_BRICK_PICTURE_H

#include "board/game_board.h"

#include <QImage>

// One brick look, shared by every brick of its colour; the board tells colours apart
// by which of these objects a brick refers to.
class BrickPicture {
public:
    explicit BrickPicture(QImage image, QImage image2x = {}) : image(std::move(image)), image2x(std::move(image2x)) {}
    [[nodiscard]] const QImage& Image() const { return image; }
    // The look for a cell of `pixels` device pixels a side: one of the drawings where it
    // has that size, otherwise the larger one smoothly resized.
    [[nodiscard]] const QImage& Image(int pixels) const;

    // The ten looks built into the program, in their slots 1 to 10.
    [[nodiscard]] static PictureSlots LoadSlots();

private:
    QImage image;
    QImage image2x;
    mutable QImage resized; // the last other size asked for
};

#endif
