#ifndef DRAWING_BRICK_PICTURE_H
#define DRAWING_BRICK_PICTURE_H

#include "board/game_board.h"

#include <QImage>

// One brick look, shared by every brick of its colour; the board tells colours apart
// by which of these objects a brick refers to.
class BrickPicture {
public:
    explicit BrickPicture(QImage image) : image(std::move(image)) {}
    [[nodiscard]] const QImage& Image() const { return image; }

    // The ten looks built into the program, in their slots 1 to 10.
    [[nodiscard]] static PictureSlots LoadSlots();

private:
    QImage image;
};

#endif
