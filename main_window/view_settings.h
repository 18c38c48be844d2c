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

    // The board's zoom in percent: the steps from normal to largest, a step apart.
    static constexpr int NormalZoom = 100, ZoomStep = 50, LargestZoom = 400;
    // Normal unless a step is stored, as written by SaveZoom.
    [[nodiscard]] int Zoom() const;
    bool SaveZoom(int percent);

private:
    SettingsStore& store;
};

#endif
