#ifndef DRAWING_KEYBOARD_PLAY_H
#define DRAWING_KEYBOARD_PLAY_H

#include "board/game_state.h"
#include "game_flow.h"

#include <QCoreApplication>
#include <QString>

class BoardSurface;
class PointerTracker;

// Play from the keyboard: the arrow keys move a cursor over the cells, stopping at the edges;
// Space or Return held down presses the group under it as the left button does, and letting go
// removes it; Escape takes the press back. A held key presses and removes once, and keys are
// ignored while the mouse holds a press. Also what a screen reader says of a cell, and of each
// press and removal.
class KeyboardPlay {
    Q_DECLARE_TR_FUNCTIONS(KeyboardPlay)

public:
    KeyboardPlay(const GameState& game, const PictureSlots& looks, PointerTracker& pointer, BoardSurface& surface);

    void Key(int key, bool down, bool autoRepeat);
    // The mouse took over the board: the cursor goes until the next key.
    void Hide();
    // A board of another shape: the cursor goes, to come back in its middle.
    void ShapeChanged();
    // Takes a press of the keys back, as Escape does: the board has lost the keyboard's focus, so the key's
    // release may never come, or the board is about to change under it.
    void TakeBackPress();
    // After the bricks changed: puts the cursor back on `cursor` unless it is -1, and says what went or came back
    // and how many are left, and what the cursor is on now.
    void BoardChanged(BoardChange change, int cursor);
    // "Blue brick, column 3, row 5, group of 4", "..., pressed", or "Empty, column 3, row 5".
    [[nodiscard]] QString Describe(int cell) const;

private:
    // What a change of `count` bricks is said as, before the cell: nothing for a deal.
    [[nodiscard]] QString Sentence(BoardChange change, int count) const;
    // Says what the cursor is on, as it looks now.
    void SayCell();

    const GameState& game;
    const PictureSlots& looks;
    PointerTracker& pointer;
    BoardSurface& surface;
    int cell = 0;       // where the cursor is, or appears at its next showing
    int bricksLeft = 0; // as last told
};

#endif
