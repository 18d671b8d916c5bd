#pragma once
#include <array>
#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "rules/records/record.h"

namespace vantorelle::records {

struct WonLost {
    int won = 0;
    int lost = 0;
    bool operator==(const WonLost&) const = default;
};

// Darts thrown at one double and how many of them hit it.
struct DoubleTries {
    int darts = 0;
    int hits = 0;
    bool operator==(const DoubleTries&) const = default;
};

// Index of the bull among PlayerFigures::doubles; D1..D20 are 0..19.
inline constexpr int kBullDouble = 20;

// A player's figures: over one match as the store keeps them beside it, and
// over any set of matches as their sum (operator+=), so that the figures of
// ten thousand matches are ten thousand small sums.
//
// What counts:
// - The x01 figures take the complete turns of x01 matches (301, 501, 1001)
//   that are not practice. Cricket and practice darts are left out, and so is
//   the turn in progress of an abandoned match; the turns an abandoned match
//   did play count.
// - A busted turn scores 0 for the darts it used, as every scoring board
//   counts it. (The match's own S-key message counts a bust's points.)
// - A typed turn counts its darts and score, and its darts at a double in the
//   checkout percentage; it says nothing of which double, so it is left out of
//   the doubles.
struct PlayerFigures {
    // Matches recorded (finished or abandoned, practice not), and those
    // finished with a winner, won and lost; against the computer by its
    // class 0 BEGINNER .. 3 PRO. Abandoned matches are neither won nor lost.
    int matches = 0;
    int matchesWon = 0;
    int matchesLost = 0;
    std::array<WonLost, 4> vsComputer{};

    // x01: darts used and points scored.
    int darts = 0;
    int points = 0;
    // x01: the first three turns of the player in each leg. A leg won in fewer
    // than nine darts counts the darts it took.
    int firstNineDarts = 0;
    int firstNinePoints = 0;
    // x01 legs won by this player (every one by a checkout) and by his
    // opponent, and the darts he used in the legs he won.
    int legsWon = 0;
    int legsLost = 0;
    int dartsInLegsWon = 0;
    // x01 darts thrown with a finish on one double (the score left 50, or
    // even from 2 to 40), thrown and typed.
    int dartsAtDouble = 0;
    int highestCheckout = 0;
    // Fewest darts in a leg won, by start score: a 501 in 12 is not a 301 in 12.
    std::map<int, int> bestLeg;
    // Turns scoring 60-99, 100-139, 140-179 and 180 (a busted turn scores 0; a
    // checkout of two darts counts as its score).
    int turns60 = 0;
    int turns100 = 0;
    int turns140 = 0;
    int turns180 = 0;
    // Thrown x01 darts at each double, the double being the one the score left
    // before the dart asks for (32 asks for D16, 50 for the bull), and the
    // darts that hit it.
    std::array<DoubleTries, 21> doubles{};

    PlayerFigures& operator+=(const PlayerFigures& o);
    bool operator==(const PlayerFigures&) const = default;

    // points ÷ darts × 3; nullopt without darts.
    std::optional<double> average() const;
    // first-nine points ÷ darts × 3.
    std::optional<double> firstNineAverage() const;
    // legs won ÷ darts at a double × 100; nullopt without a dart at a double.
    std::optional<double> checkoutPercent() const;
    // darts in legs won ÷ legs won.
    std::optional<double> dartsPerLegWon() const;
    // The fewest darts in a leg won from this start score; nullopt when none.
    std::optional<int> bestLegFrom(int startScore) const;
};

// The figures of player 1 or 2 in one match, from the match and all its
// turns in the order they were played (both players').
PlayerFigures figuresFor(const MatchRecord& match, std::span<const TurnRecord> turns, int player);

// A match as seen by one of its players, with his figures in it: what the
// store hands the window for a selection of matches.
struct PlayerMatch {
    MatchRecord match;
    int player = 1; // which side of the match the player was
    PlayerFigures figures;
};

// The sum of the figures of these matches.
PlayerFigures combine(std::span<const PlayerMatch> matches);

} // namespace vantorelle::records
