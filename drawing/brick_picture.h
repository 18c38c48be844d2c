#ifndef DRAWING_BRICK_PICTURE_H
#define DRAWING_BRICK_PICTURE_H

#include "board/game_board.h"

#include <QImage>

// One brick look, shared by every brick of its colour; the board tells colours apart
// by which of these objects a brick refers to.
class BrickPicture {
public:
    // The built-in look NAME.png, with NAME@2x.png, and the same marked with the symbol of its colour,
    // NAME-symbol.png; each is read when it is first asked for.
    explicit BrickPicture(QString name) : name(std::move(name)) {}
    [[nodiscard]] const QImage& Image() const { return Look(false).image; }
    // The look for a cell of `pixels` device pixels a side: one of the drawings where it
    // has that size, otherwise the larger one smoothly resized.
    [[nodiscard]] const QImage& Image(int pixels, bool marked = false) const;

    // The ten looks built into the program, in their slots 1 to 10.
    [[nodiscard]] static PictureSlots LoadSlots();

private:
    // A look drawn at 1x and at 2x.
    struct Drawings {
        QImage image, image2x;
    };
    [[nodiscard]] const Drawings& Look(bool marked) const;

    QString name;
    mutable std::array<Drawings, 2> drawings; // plain and marked
    mutable std::array<QImage, 2> resized;    // the last other size asked for
};

#endif
