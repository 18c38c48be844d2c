#ifndef BOARD_BRICK_H
#define BOARD_BRICK_H

#include <cstdint>
#include <memory>

// The board knows a brick's looks only by identity: two bricks share a colour exactly
// when they refer to the same picture object. The pixels belong to the drawing side.
class BrickPicture;
using PictureRef = std::shared_ptr<const BrickPicture>;

class Brick;
using BrickRef = std::shared_ptr<Brick>;

// One brick, shared by reference between the board, the start snapshot, the selection
// and the collapse collections. Copied only through Clone.
class Brick {
public:
    Brick() = default;
    Brick(const Brick&) = delete;
    Brick& operator=(const Brick&) = delete;

    std::int32_t Index = 0;
    PictureRef Picture;
    PictureRef DownPicture;
    float Left = 0;
    float Top = 0;
    std::int32_t XOffset = 0;
    std::int32_t YOffset = 0;

    [[nodiscard]] BrickRef Clone() const;
    [[nodiscard]] bool SameColour(const Brick& other) const { return Picture == other.Picture; }
};

#endif
