#pragma once
#include <array>
#include <string>
#include <vector>

#include "rules/career/roster.h"
#include "rules/match/aim.h"

namespace vantorelle {

struct PlayerState {
    std::string name;
    int score = 0;    // remaining score at the start of the current turn
    int legs = 0;     // legs won in the current set
    int sets = 0;     // sets won in the match
    int legDarts = 0; // darts thrown in the current leg, busted ones included
    bool realBoard = false;
};

// Statistics of the current match, by player 1..2 and column 1..7.
enum Stat {
    kStatDarts = 1,
    kStatPoints = 2,
    kStatDartsAtDouble = 3,
    kStatDoublesHit = 4,
    kStat100 = 5,
    kStat140 = 6,
    kStat180 = 7,
};
using MatchStatsTable = std::array<std::array<int, 8>, 3>;

// Everything the program keeps for the whole run, owned by the application and
// handed to whoever needs it. Displays that are also state in the game (the
// scoreboard, the commentary) are kept here and shown from here.
struct GameState {
    // Folders: read-only assets, and the writable data folder.
    std::string appFolder;
    std::string dataFolder;

    // Settings.
    std::string savedPlayer1Name;
    bool soundOn = true;
    bool soundOnSaved = true;
    bool cricketUnlocked = false;

    // Shutdown.
    bool quitting = false;
    bool unloading = false;

    // Roster file.
    RosterFile roster;

    // Opponent and throw model.
    int numberOfPlayers = 2; // 1: player 2 is the computer
    bool networkGame = false;
    bool isChallenger = false;
    int difficulty = 0; // 0 BEGINNER .. 3 PRO
    int aimSpeed = 104;
    int aimSpeedOverride = 0;
    int playerAverage = 0; // the human's stated three-dart average

    MatchStatsTable matchStats{};

    // Match settings.
    int bytGameType = 1; // 1 exhibition, 2 career
    int bytSetstoWin = 1;
    int bytLegsToWin = 1;
    int bytClass = 1;
    int intStartScore = 501;

    // Match state, players 1 and 2 (index 0 unused).
    std::array<PlayerState, 3> players;
    int currentPlayer = 1;
    int bytDart = 0;      // darts counted in the current turn
    int bytTurnScore = 0; // points of the turn so far
    int bytDartScore = 0;
    std::string strBed;
    std::array<int, 4> intDartX{};
    std::array<int, 4> intDartY{};
    std::array<std::string, 4> strDartPose{"a", "a", "a", "a"};
    bool blnClean = false;
    bool blnBounceOut = false;
    bool blnStopped = true; // no match is running

    // Throw for the bull.
    bool blnBullUp = false;
    bool blnBullDartDown = false;
    double dblBullDist1 = 0;
    double dblBullDist2 = 0;
    int intBullWinner = 1;

    // What the scoreboard shows.
    int yellowPlayer = 0;             // whose name is drawn in yellow (0: nobody)
    std::array<bool, 6> dartInHand{}; // picDart 0..2 player 1, 3..5 player 2
    bool scoreboardVisible = false;
    bool cricketBoardShown = false;
    // Cricket marks by player 1..2 and number (20..15, bull): "", "\", "X", "O".
    std::array<std::array<std::string, 7>, 3> cricketMarks{};
    std::string comments = "GAME ON!"; // always upper case, as the label shows it

    // The aim circle and its timer.
    AimCircle aim;
    bool aimTimerOn = false;
    int intAimX = 0; // the aim point; becomes the landing point at the throw
    int intAimY = 0;

    // The setup panel's captions.
    std::string setupHeading;
    std::array<std::string, 5> setupOption; // lblOption1..4 at 1..4
    bool setupVisible = false;

    // Players chosen for an exhibition; in a career, the career player's name.
    std::string careerName;
    std::string player2Name;

    // Career settings chosen in the setup panel.
    int matchLength = 0; // 1 SHORT, 2 MEDIUM, 3 LONG
    int tournamentNo = 0;

    // Career hand-over of a finished match.
    std::string strWinner;

    PlayerState& player(int p) { return players[static_cast<std::size_t>(p)]; }
    const PlayerState& player(int p) const { return players[static_cast<std::size_t>(p)]; }
    int& stat(int p, int column) { return matchStats[static_cast<std::size_t>(p)][static_cast<std::size_t>(column)]; }
    int stat(int p, int column) const
    {
        return matchStats[static_cast<std::size_t>(p)][static_cast<std::size_t>(column)];
    }
    void resetMatchStats() { matchStats = {}; }
};

inline int otherPlayer(int p)
{
    return p == 1 ? 2 : 1;
}

} // namespace vantorelle
