#include "game_board.h"

#include "platform/random.h"

#include <cmath>

namespace {

BrickRef CreateBrick(int index, const PictureSlots& Images, int colour)
{
    auto brick = std::make_shared<Brick>();
    brick->Index = index;
    brick->Left = static_cast<float>(CellLeft(index));
    brick->Top = static_cast<float>(CellTop(index));
    brick->Picture = Images[static_cast<std::size_t>(colour)];
    brick->DownPicture = Images[static_cast<std::size_t>(colour + ColourCount)];
    return brick;
}

} // namespace

void GameBoard::GenerateBoard(Random& random, const PictureSlots& Images)
{
    Board = {};
    StartBoard = {};
    int colour = 0;
    int runLeft = 0;
    for (int i = 0; i < CellCount; ++i) {
        if (runLeft != 0) {
            --runLeft;
        } else {
            random.Reseed();
            colour = static_cast<int>(std::floor(random.Next() * ColourCount)) + 1;
            runLeft = static_cast<int>(std::floor(random.Next() * 3));
        }
        auto brick = CreateBrick(i, Images, colour);
        StartBoard[static_cast<std::size_t>(i)] = brick->Clone();
        Board[static_cast<std::size_t>(i)] = std::move(brick);
    }
    BricksLeft = CellCount;
}

void GameBoard::RestoreStartBoard()
{
    BricksLeft = 0;
    for (std::size_t i = 0; i < Board.size(); ++i) {
        Board[i] = StartBoard[i] ? StartBoard[i]->Clone() : nullptr;
        if (Board[i]) ++BricksLeft;
    }
}
