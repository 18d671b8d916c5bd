#pragma once
#include <string>

namespace vantorelle {

// Where the program finds its assets and keeps its data.
struct Folders {
    std::string app;      // read-only assets: Data/Stats.dat as shipped, compaim.dat, Sounds
    std::string data;     // Stats.dat, careers and histories
    bool perUser = false; // data lives in the per-user folder, seeded on first run
};

struct FolderInputs {
    std::string envHome;     // VANTORELLE_HOME
    std::string envData;     // VANTORELLE_DATA
    std::string exeDir;      // the executable's folder
    std::string shareDir;    // the installed share folder
    std::string userDataDir; // the per-user data folder
};

// The application folder is VANTORELLE_HOME, else the executable's folder when
// it holds the assets, else the share folder. The data folder is
// VANTORELLE_DATA, else Data in the application folder when that is writable,
// else the per-user folder, which is seeded with the shipped Stats.dat.
Folders resolveFolders(const FolderInputs& in);

// Copies the shipped roster into a per-user data folder that has none; false
// when that could not be done. Other data folders are left as they are.
bool seedDataFolder(const Folders& f);

} // namespace vantorelle
