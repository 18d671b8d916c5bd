#pragma once
#include <string>

namespace vantorelle {

// The settings kept between runs, and the speed cheat of this run.
struct Settings {
    std::string savedPlayer1Name;
    bool soundOn = true;
    bool soundOnSaved = true;
    bool cricketUnlocked = false;
    int aimSpeedOverride = 0; // 0: the class's own aim speed
};

// How the program is closing down.
struct RunFlags {
    bool quitting = false;  // the user confirmed quitting; never cleared
    bool unloading = false; // windows are being closed or a career reloaded: nothing asks
};

} // namespace vantorelle
