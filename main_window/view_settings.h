#ifndef MAIN_WINDOW_VIEW_SETTINGS_H
#define MAIN_WINDOW_VIEW_SETTINGS_H

class SettingsStore;

// The player's choices of the View menu that are kept between runs, in a section of their own
// beside the records, which they never touch.
class ViewSettings {
public:
    explicit ViewSettings(SettingsStore& store) : store(store) {}

    // Off unless stored as on; a damaged value counts as off.
    [[nodiscard]] bool Symbols() const;
    // False when the choice could not be written.
    bool SaveSymbols(bool on);

private:
    SettingsStore& store;
};

#endif
