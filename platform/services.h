#ifndef PLATFORM_SERVICES_H
#define PLATFORM_SERVICES_H

class Clock;
class Dialogs;
class Random;
class SettingsStore;
class Ticks;

// Everything the game takes from the system, handed in from outside so that tests can
// drive time, answer dialogues and keep records in a private place.
struct Services {
    Clock& clock;
    Ticks& ticks;
    Random& random;
    Dialogs& dialogs;
    SettingsStore& store;
};

#endif
