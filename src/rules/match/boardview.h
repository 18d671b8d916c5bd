#pragma once
#include <array>
#include <string>
#include <vector>

#include "rules/app/theme.h"
#include "rules/match/aim.h"

namespace vantorelle {

// What the main window shows beside the match itself: the scoreboard's
// colours, the darts in hand, the commentary, the aim circle and the setup
// panel's captions. The rules set it; the window draws it.
struct BoardView {
    int yellowPlayer = 0;             // whose name is drawn in yellow (0: nobody)
    std::array<bool, 6> dartInHand{}; // picDart 0..2 player 1, 3..5 player 2
    bool scoreboardVisible = false;
    bool cricketBoardShown = false;
    std::string comments = "GAME ON!"; // always upper case, as the label shows it

    // The aim circle and its timer.
    AimCircle aim;
    bool aimTimerOn = false;
    int intAimX = 0; // the aim point; becomes the landing point at the throw
    int intAimY = 0;

    // The beds a practice game's target asks for, lit on the board.
    std::vector<std::string> targetBeds;

    // The look of the tournament in play: its colour (all zero until a theme
    // is applied), its logo and its name beside the board.
    Rgb mainColour{};
    std::string themeCode;
    std::string themeName;
    // The flag pictures beside the players' names (career matches); empty: none.
    std::array<std::string, 3> flag;

    // The setup panel: its captions are its page.
    std::string setupHeading;
    std::array<std::string, 5> setupOption; // lblOption1..4 at 1..4
    bool setupVisible = false;
};

} // namespace vantorelle
