#ifndef SCORES_SETTINGS_H
#define SCORES_SETTINGS_H

#include "board/board_kind.h"

#include <QString>

class SettingsStore;

// The best time and its holder's name for each number of bricks left, per kind of board: in section "Bricks(N)" of
// the application's settings for the board the game has always dealt, and "BricksCxRcK(N)" for a board of C
// columns, R rows and K colours. A time of 0 means no record.
class Settings {
public:
    enum class Outcome { Saved, Beaten, Unwritable };

    // Best times are kept for games that end with fewer bricks left than this: a row each from 0 up.
    static constexpr int RecordRows = 10;

    explicit Settings(SettingsStore& store) : store(store) {}

    [[nodiscard]] double GetBestTime(const BoardKind& kind, int N) const;
    [[nodiscard]] QString GetBestName(const BoardKind& kind, int N) const;
    // Keeps Name and T as the record for N, unless the store holds a time as good by now: another
    // window of the game may have saved one meanwhile. Name and time go to disk in one write, so a
    // record is never left half old and half new.
    Outcome SaveBestRecord(const BoardKind& kind, int N, double T, const QString& Name);

private:
    SettingsStore& store;
};

#endif
