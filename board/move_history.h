#ifndef BOARD_MOVE_HISTORY_H
#define BOARD_MOVE_HISTORY_H

#include "cells.h"

#include <vector>

// The boards of a game before each of its removals, to take the removals back one by one, and the boards
// taken back, to do them again. Each keeps the cell the player had the keyboard's cursor on, or -1.
class MoveHistory {
public:
    void Clear();
    // Keeps a copy of the board as it is before a removal; what could be done again is gone.
    void Record(const Cells& before, int cursor);
    [[nodiscard]] bool CanUndo() const { return !undoable.empty(); }
    [[nodiscard]] bool CanRedo() const { return !redoable.empty(); }
    // Put the board back as it was before the last removal kept, or after the last taken back, and keep the
    // board as it is for the way back. Each returns the cursor's cell kept with the move.
    int Undo(Cells& board);
    int Redo(Cells& board);

private:
    struct Step {
        Cells board;
        int cursor;
    };
    static int Swap(std::vector<Step>& from, std::vector<Step>& to, Cells& board);

    std::vector<Step> undoable;
    std::vector<Step> redoable;
};

#endif
