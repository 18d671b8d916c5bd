#pragma once
#include <array>
#include <optional>
#include <string>

#include "rules/practice/practicesession.h"

namespace vantorelle {

// The scoreboard of a practice session: the player's row shows the game's
// own figures where a match shows the score, legs and sets; the second row
// shows his personal best.
struct PracticeBoard {
    std::string format; // "AROUND THE CLOCK - DOUBLES"
    // The player's row.
    std::string figure;                // the big figure: the target, the points, the score left
    std::string info;                  // "TARGET 7 OF 21 \u00b7 9 ON TARGET"
    std::array<std::string, 2> heads;  // the small columns' headings ("DARTS", "TURN")
    std::array<std::string, 2> values; // and their figures
    // The best's row.
    std::string bestName = "PERSONAL BEST";
    std::string bestFigure; // "47", or "-" with none yet
    std::string bestInfo;   // "47 DARTS", "NONE YET"
};

// All upper case, as the scoreboard shows it.
PracticeBoard practiceBoard(const PracticeSession& session, std::optional<int> best);

} // namespace vantorelle
