#pragma once
#include <array>
#include <cstddef>
#include <string>

namespace vantorelle {

struct PlayerState {
    std::string name;
    int score = 0;    // remaining score at the start of the current turn (Cricket: points)
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

// Who throws for a player: somebody at this machine, the computer, or the
// player at the other machine, whose darts arrive over the network.
enum class Seat { Human, Computer, Remote };

// The match being played and how it was set up.
struct MatchState {
    // How the match was set up.
    int numberOfPlayers = 2; // humans at this machine; 1: player 2 is the computer
    bool networkGame = false;
    bool isChallenger = false;
    int difficulty = 0; // 0 BEGINNER .. 3 PRO
    int aimSpeed = 104;
    int bytGameType = 1; // 1 exhibition, 2 career
    int bytSetstoWin = 1;
    int bytLegsToWin = 1;
    int bytClass = 1;
    int intStartScore = 501;
    bool cricket = false;    // the game in play is Cricket
    std::string player2Name; // the second player as chosen (a human's name, or the other machine's)
    std::array<Seat, 3> seat{Seat::Human, Seat::Human, Seat::Human}; // by player 1..2
    std::array<std::string, 3> tag; // in a career match, each player's nationality and rank ("WAL (7)")
    std::string careerStage;        // in a career match, its round's stage code ("Q1" .. "F5")

    MatchStatsTable matchStats{};

    // Players 1 and 2 (index 0 unused).
    std::array<PlayerState, 3> players;
    int currentPlayer = 1;
    int bytDart = 0;      // darts counted in the current turn
    int bytTurnScore = 0; // points of the turn so far
    std::string strBed;   // where the last dart landed, for the record
    std::array<int, 4> intDartX{};
    std::array<int, 4> intDartY{};
    std::array<std::string, 4> strDartPose{"a", "a", "a", "a"};
    bool blnStopped = true; // no match is running

    // Throw for the bull.
    bool blnBullUp = false;
    bool blnBullDartDown = false;
    double dblBullDist1 = 0;
    double dblBullDist2 = 0;
    int intBullWinner = 1;

    // Cricket marks by player 1..2 and number (20..15, bull): "", "\", "X", "O".
    std::array<std::array<std::string, 7>, 3> cricketMarks{};

    PlayerState& player(int p) { return players[static_cast<std::size_t>(p)]; }
    const PlayerState& player(int p) const { return players[static_cast<std::size_t>(p)]; }
    Seat seatOf(int p) const { return seat[static_cast<std::size_t>(p)]; }
    int& stat(int p, int column) { return matchStats[static_cast<std::size_t>(p)][static_cast<std::size_t>(column)]; }
    int stat(int p, int column) const
    {
        return matchStats[static_cast<std::size_t>(p)][static_cast<std::size_t>(column)];
    }
    void resetMatchStats() { matchStats = {}; }
};

// How a match ended, for whoever started it.
struct MatchResult {
    int winner = 0;           // 1 or 2
    std::string name;         // the winner's name
    std::string announcement; // the closing line: "The winner is …", or Cricket's result
};

inline int otherPlayer(int p)
{
    return p == 1 ? 2 : 1;
}

// The seats of a match as the setup chose it: against the computer player 2
// is the computer; in a network match the challenger plays player 1 here.
inline std::array<Seat, 3> seatsFor(int numberOfPlayers, bool networkGame, bool isChallenger)
{
    if (networkGame)
        return isChallenger ? std::array{Seat::Human, Seat::Human, Seat::Remote}
                            : std::array{Seat::Human, Seat::Remote, Seat::Human};
    if (numberOfPlayers == 1)
        return {Seat::Human, Seat::Human, Seat::Computer};
    return {Seat::Human, Seat::Human, Seat::Human};
}

} // namespace vantorelle
