#ifndef DRAWING_BRICK_PICTURE_H
#define DRAWING_BRICK_PICTURE_H

#include "board/game_state.h"

#include <QImage>

// One brick look, shared by every brick of its colour; the board tells colours apart
// by which of these objects a brick refers to.
class BrickPicture {
public:
    // Look `look` of the ten, 0 to 9: built into the program as brickNN.png with brickNN@2x.png, and the same
    // marked with the symbol of its colour, brickNN-symbol.png, each read when it is first asked for.
    explicit BrickPicture(int look) : look(look) {}
    [[nodiscard]] const QImage& Image() const { return Pictures(false).image; }
    // The look for a cell of `pixels` device pixels a side: one of the built-in pictures where it
    // has that size, otherwise drawn afresh from its shapes.
    [[nodiscard]] const QImage& Image(int pixels, bool marked) const;

    // The ten looks built into the program, in their slots 1 to 10.
    [[nodiscard]] static PictureSlots LoadSlots();

private:
    // A look drawn at 1x and at 2x.
    struct Drawings {
        QImage image, image2x;
    };
    [[nodiscard]] const Drawings& Pictures(bool marked) const;

    int look;
    mutable std::array<Drawings, 2> drawings; // plain and marked
    mutable std::array<QImage, 2> drawn;      // the last other size asked for
};

#endif
