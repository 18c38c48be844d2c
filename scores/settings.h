#ifndef SCORES_SETTINGS_H
#define SCORES_SETTINGS_H

#include <QString>

class SettingsStore;

// The best time and its holder's name for each number of bricks left, in section
// "Bricks(N)" of the application's settings. A time of 0 means no record.
class Settings {
public:
    explicit Settings(SettingsStore& store) : store(store) {}

    [[nodiscard]] double GetBestTime(int N) const;
    // False when the store could not be written.
    bool SaveBestTime(int N, double T);
    [[nodiscard]] QString GetBestName(int N) const;
    bool SaveBestName(int N, const QString& Name);

private:
    SettingsStore& store;
};

#endif
