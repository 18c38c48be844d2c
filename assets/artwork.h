#ifndef ASSETS_ARTWORK_H
#define ASSETS_ARTWORK_H

#include "board/board_kind.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

// The game's pictures, drawn from their shapes at any size, never a bitmap resized: the looks of the bricks of each
// colour, a raised tile and the same pushed in, each also marked with its colour's symbol for players who cannot
// tell the colours apart; and the application icon: four raised bricks on a square of board.
class Artwork {
public:
    // Colours 0 to 5: grey, blue, green, red, amber and violet.
    static constexpr int ColourCount = ::ColourCount;

    // The colour of the board, and of an empty cell on it: brick pictures show it at their corners.
    [[nodiscard]] static QColor BoardColour();
    // The average colour of a look's body, inside its rim, as every picture of it is drawn to have.
    [[nodiscard]] static QColor BodyColour(int colour, bool pressed);
    // The name a look's pictures are kept under: "grey", "grey-pressed", ...
    [[nodiscard]] static QString LookName(int colour, bool pressed);
    // A brick look `pixels` a side.
    [[nodiscard]] static QImage Brick(int colour, bool pressed, int pixels, bool symbol);
    [[nodiscard]] static QImage Icon(int pixels);
    [[nodiscard]] static QByteArray IconSvg();
};

#endif
