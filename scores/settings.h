#ifndef SCORES_SETTINGS_H
#define SCORES_SETTINGS_H

#include <QString>

class SettingsStore;

// The best time and its holder's name for each number of bricks left, in section
// "Bricks(N)" of the application's settings. A time of 0 means no record.
class Settings {
public:
    enum class Outcome { Saved, Beaten, Unwritable };

    explicit Settings(SettingsStore& store) : store(store) {}

    [[nodiscard]] double GetBestTime(int N) const;
    [[nodiscard]] QString GetBestName(int N) const;
    // Keeps Name and T as the record for N, unless the store holds a time as good by now: another
    // window of the game may have saved one meanwhile. Name and time go to disk in one write, so a
    // record is never left half old and half new.
    Outcome SaveBestRecord(int N, double T, const QString& Name);

private:
    SettingsStore& store;
};

#endif
