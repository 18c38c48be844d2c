#ifndef MAIN_WINDOW_BOARD_SETTINGS_H
#define MAIN_WINDOW_BOARD_SETTINGS_H

#include "board/board_kind.h"

class SettingsStore;

// The player's choice of board, kept between runs in a section of its own beside the View menu's choices: a size
// and a number of colours, "Size=15x20" and "Colours=4".
class BoardSettings {
public:
    explicit BoardSettings(SettingsStore& store) : store(store) {}

    // Each of the size and the number of colours as stored where it is one the menu offers, written as SaveKind
    // writes it; otherwise the one of the board the game has always dealt.
    [[nodiscard]] BoardKind Kind() const;
    // False when the choice could not be written.
    bool SaveKind(const BoardKind& kind);

private:
    SettingsStore& store;
};

#endif
