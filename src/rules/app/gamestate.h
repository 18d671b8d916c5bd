#pragma once
#include <string>

#include "rules/app/settings.h"
#include "rules/career/careerstate.h"
#include "rules/career/roster.h"
#include "rules/match/boardview.h"
#include "rules/match/matchstate.h"

namespace vantorelle {

// What the program keeps for the whole run, owned by the application and
// split by what it is. Each part goes only to those that need it.
struct GameState {
    std::string appFolder;  // read-only assets
    std::string dataFolder; // the roster, careers and histories

    Settings settings;
    RunFlags flags;
    RosterFile roster; // the roster file as read at start-up
    MatchState match;
    BoardView view;
    CareerState career;
};

} // namespace vantorelle
