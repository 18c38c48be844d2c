#include "game_state.h"

#include "deal_sequence.h"

namespace {

BrickRef CreateBrick(const Geometry& shape, int index, const PictureSlots& Images, int colour)
{
    auto brick = std::make_shared<Brick>();
    brick->Index = index;
    brick->Left = static_cast<float>(shape.CellLeft(index));
    brick->Top = static_cast<float>(shape.CellTop(index));
    brick->Picture = Images[static_cast<std::size_t>(colour)];
    brick->DownPicture = Images[static_cast<std::size_t>(colour + ColourCount)];
    return brick;
}

} // namespace

void GameState::GenerateBoard(std::uint64_t dealNumber, const BoardKind& boardKind, const PictureSlots& Images)
{
    kind = boardKind;
    number = dealNumber;
    Board = Cells(kind.shape);
    StartBoard = Cells(kind.shape);
    DealSequence draws(number);
    int colour = 0;
    int runLeft = 0;
    for (int i = 0; i < CellCount(); ++i) {
        if (runLeft != 0) {
            --runLeft;
        } else {
            colour = draws.Draw(kind.colours) + 1;
            runLeft = draws.Draw(3);
        }
        auto brick = CreateBrick(kind.shape, i, Images, colour);
        StartBoard[i] = brick->Clone();
        Board[i] = std::move(brick);
    }
    BricksLeft = CellCount();
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
