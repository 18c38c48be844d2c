#include "game_state.h"

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

void GameState::GenerateBoard(Random& random, const PictureSlots& Images)
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

void GameState::RestoreStartBoard()
{
    Board = CopyOf(StartBoard);
    BricksLeft = BrickCount(Board);
}

void GameState::Begin(double now)
{
    history.Clear();
    clock.Start(now);
    paused = false;
    ended = false;
    Tell();
}

void GameState::RecordMove(int cursor)
{
    history.Record(Board, cursor);
    Tell();
}

int GameState::Undo(double now)
{
    return TakeStep(history.Undo(Board), now);
}

int GameState::Redo(double now)
{
    return TakeStep(history.Redo(Board), now);
}

int GameState::TakeStep(int cursor, double now)
{
    BricksLeft = BrickCount(Board);
    clock.Go(now);
    ended = false;
    Tell();
    return cursor;
}

void GameState::Pause(bool on, double now)
{
    paused = on;
    on ? clock.Stop(now) : clock.Go(now);
    Tell();
}

void GameState::End(double now)
{
    ended = true;
    clock.Stop(now);
    Tell();
}

void GameState::Tell() const
{
    if (Changed) Changed();
}
