#ifndef DRAWING_BRICK_PICTURE_H
#define DRAWING_BRICK_PICTURE_H

#include "board/cells.h"

#include <QImage>

// One brick look, shared by every brick of its colour; the board tells colours apart
// by which of these objects a brick refers to.
class BrickPicture {
public:
    // Colour `colour` of the six, 0 to 5, raised or pushed in: built into the program as NAME.png with NAME@2x.png,
    // and the same marked with the symbol of its colour, NAME-symbol.png, each read when it is first asked for.
    BrickPicture(int colour, bool pressed) : colour(colour), pressed(pressed) {}
    [[nodiscard]] const QImage& Image() const { return Pictures(false).image; }
    // The look for a cell of `pixels` device pixels a side: one of the built-in pictures where it
    // has that size, otherwise drawn afresh from its shapes.
    [[nodiscard]] const QImage& Image(int pixels, bool marked) const;

    // The looks built into the program, in their slots.
    [[nodiscard]] static PictureSlots LoadSlots();

private:
    // A look drawn at 1x and at 2x.
    struct Drawings {
        QImage image, image2x;
    };
    [[nodiscard]] const Drawings& Pictures(bool marked) const;

    int colour;
    bool pressed;
    mutable std::array<Drawings, 2> drawings; // plain and marked
    mutable std::array<QImage, 2> drawn;      // the last other size asked for
};

#endif
