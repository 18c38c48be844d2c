#include "move_history.h"

void MoveHistory::Clear()
{
    undoable.clear();
    redoable.clear();
}

void MoveHistory::Record(const Cells& before, int cursor)
{
    undoable.push_back({CopyOf(before), cursor});
    redoable.clear();
}

int MoveHistory::Undo(Cells& board)
{
    return Swap(undoable, redoable, board);
}

int MoveHistory::Redo(Cells& board)
{
    return Swap(redoable, undoable, board);
}

// The board in play leaves the game as the step goes back in: its bricks, at rest, serve the way back as they are.
int MoveHistory::Swap(std::vector<Step>& from, std::vector<Step>& to, Cells& board)
{
    Step step = std::move(from.back());
    from.pop_back();
    to.push_back({std::move(board), step.cursor});
    board = std::move(step.board);
    return step.cursor;
}
