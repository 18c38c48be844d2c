#ifndef ASSETS_ARTWORK_H
#define ASSETS_ARTWORK_H

#include <QByteArray>
#include <QImage>

// The game's pictures, drawn from their shapes at any size, never a bitmap resized: the ten brick looks, 0 to 4 the
// raised tiles of the five colours and 5 to 9 the same pushed in, each also marked with its colour's symbol for
// players who cannot tell the colours apart; and the application icon: four raised bricks on a square of board.
class Artwork {
public:
    static constexpr int LookCount = 10;

    // A brick look `pixels` a side.
    [[nodiscard]] static QImage Brick(int look, int pixels, bool symbol);
    [[nodiscard]] static QImage Icon(int pixels);
    [[nodiscard]] static QByteArray IconSvg();
};

#endif
