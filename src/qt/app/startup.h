#pragma once
#include <QString>
#include <memory>
#include <optional>

#include "rules/app/gamestate.h"
#include "rules/match/rng.h"

namespace vantorelle {

class frmDarts;
class frmNewGame;

// How a run starts: its folders, its random seed and its time scale. main()
// takes them from the environment; tests give their own.
struct StartOptions {
    QString appFolder;                 // empty: resolved
    QString dataFolder;                // empty: resolved
    std::optional<std::uint64_t> seed; // none: from the clock
    double timeScale = 1.0;            // multiplies every pause and time-out
};

// One running program: its state, its random source and its windows.
struct Vantorelle {
    GameState state;
    Rng rng{0};
    double timeScale = 1.0;
    std::unique_ptr<frmDarts> main;
    std::unique_ptr<frmNewGame> title;
    ~Vantorelle();
};

struct StartResult {
    std::unique_ptr<Vantorelle> app;
    QString error; // what stopped the start, for the user
};

// VANTORELLE_HOME, VANTORELLE_DATA, VANTORELLE_SEED and VANTORELLE_TIME_SCALE.
StartOptions optionsFromEnvironment();

// Everything main() does before the event loop: resolve the folders, read the
// settings and the roster, create the main window and show the title window,
// which shows the main window when it closes.
StartResult startVantorelle(const StartOptions& options);

// main(): start, report a failed start and exit non-zero, or run.
int runVantorelle(int argc, char** argv);

} // namespace vantorelle
