#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle::records {

// What kind of match a record is.
enum class MatchKind { Exhibition = 0, Career = 1, Network = 2, Practice = 3 };

// Who threw for a player: somebody aiming on the screen, somebody throwing at
// a real board and clicking or typing his scores, the computer, or the player
// at the other machine.
enum class PlayerKind { Screen = 0, RealBoard = 1, Computer = 2, Remote = 3 };

// Being played (begun, not yet ended), finished (a match with its winner, a
// practice session with its result), or abandoned with what was played.
enum class Outcome { Playing = 0, Finished = 1, Abandoned = 2 };

inline constexpr int kNoClass = -1; // computerClass of a player who is not the computer

struct RecordPlayer {
    std::string name; // as shown, UTF-8; compared upper-cased
    PlayerKind kind = PlayerKind::Screen;
    int computerClass = kNoClass; // the computer's class 0 BEGINNER .. 3 PRO
    bool operator==(const RecordPlayer&) const = default;
};

// The round of a career tournament a match was played in.
struct CareerRound {
    std::string player;     // the career player's name
    int tournamentNo = 0;   // 1..12 on the calendar
    std::string tournament; // its name
    std::string stage;      // "Q1", "Q2", "Q3", "EL", "F1" .. "F5"
    bool operator==(const CareerRound&) const = default;
};

struct MatchRecord {
    std::int64_t id = 0;      // given by the store
    std::int64_t started = 0; // seconds since 1970, UTC
    std::int64_t ended = 0;   // 0 while being played
    MatchKind kind = MatchKind::Exhibition;
    // "301", "501", "1001", "CRICKET", or a practice game's own code
    // ("CLOCK/DOUBLES", "BOBS27", "121/10"): printable ASCII, at most 16.
    std::string game = "501";
    int setsToWin = 1;
    int legsToWin = 1;
    std::array<RecordPlayer, 2> players; // players 1 and 2; practice: player 2's name empty
    std::optional<CareerRound> career;   // career matches only
    Outcome outcome = Outcome::Playing;
    int winner = 0;                       // 1 or 2 once finished with a winner; 0 otherwise
    std::array<int, 2> sets{};            // sets won by players 1 and 2
    std::array<int, 2> legs{};            // legs won over the whole match, every set together
    std::optional<double> practiceResult; // a finished practice session's result

    const RecordPlayer& player(int p) const { return players[p == 2 ? 1 : 0]; }
    bool operator==(const MatchRecord&) const = default;
};

// Which turn: the player (1 or 2), the set and the leg of the match (from 1;
// legs are counted across sets, so the first leg of set 2 after a 3-leg set
// is leg 4) and the player's turn in that leg (from 1).
struct TurnKey {
    int player = 1;
    int set = 1;
    int leg = 1;
    int turn = 1;
    bool operator==(const TurnKey&) const = default;
};

struct DartRecord {
    int number = 1; // 1..3 in the turn
    // Where the dart was aimed, in board units, and the bed that point is.
    // Not aimed (aimed false, aimBed empty): a real-board click or a dart of
    // the other machine. The computer's darts carry the bed it aimed at.
    bool aimed = false;
    int aimX = 0;
    int aimY = 0;
    std::string aimBed;
    // Where it landed in board units (the bull at 2595, 2595); a dart that
    // bounced out keeps the point it struck.
    int x = 0;
    int y = 0;
    std::string bed = "000"; // "T20", "S25", "S50", "000"
    int points = 0;          // the bed's value, whether or not the turn busts
    int remainingBefore = 0; // x01: the score left before and after this dart;
    int remainingAfter = 0;  // other games: 0
    bool bust = false;       // this dart busted the turn
    bool atDouble = false;   // thrown with a finish on one double (see isDartAtDouble)
    bool checkout = false;   // this dart won the leg
    bool bounceOut = false;
    bool operator==(const DartRecord&) const = default;
};

struct TurnRecord {
    TurnKey key;
    int remainingBefore = 0; // x01: the score left when the turn began; other games: 0
    int score = 0;           // what the turn counts for: 0 when it busts
    int darts = 0;           // darts used, 1..3
    int dartsAtDouble = 0;
    bool bust = false;
    bool checkout = false;            // the turn won the leg
    bool typed = false;               // a real-board player typed the total: no darts
    bool complete = true;             // false: the turn in progress when the match was abandoned
    std::vector<DartRecord> dartList; // empty for a typed turn
    bool operator==(const TurnRecord&) const = default;
};

// Start score of an x01 game ("501" is 501); 0 for any other game.
int startScore(std::string_view game);

// Darts and turns of this match count in the x01 figures: an x01 game that is
// not practice.
bool countsAsX01(const MatchRecord& m);

// A dart is at a double when the score left before it can be finished with one
// dart: 50 (the bull), or an even score from 2 to 40. Whatever it was aimed at.
bool isDartAtDouble(int remainingBefore);

// The double a score asks for: "D16" for 32, "S50" for 50; empty for a score
// that one dart cannot finish.
std::string doubleFor(int remaining);

// The words for the kinds, as exports and lists show them: "EXHIBITION",
// "SCREEN", "REAL BOARD", "FINISHED", the classes "BEGINNER" .. "PRO".
std::string_view wordFor(MatchKind kind);
std::string_view wordFor(PlayerKind kind);
std::string_view wordFor(Outcome outcome);
std::string_view classWord(int computerClass); // empty outside 0..3

// What is wrong with a record before it is stored, in words; nullopt when it
// is sound. Names must be non-empty (player 2 of a practice session: empty),
// at most 64 bytes, without control characters.
std::optional<std::string> checkMatch(const MatchRecord& m);
std::optional<std::string> checkTurn(const TurnRecord& t);

} // namespace vantorelle::records
