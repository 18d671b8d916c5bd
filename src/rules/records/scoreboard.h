#pragma once
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "rules/records/figures.h"
#include "rules/records/record.h"
#include "rules/records/recorder.h"

namespace vantorelle::records {

// What the scoreboard shows beside the remaining scores while a match is
// played, worked out from the match's record as it stands.

// The match's format in words: "501 · FIRST TO 3 LEGS",
// "501 · FIRST TO 2 SETS · SETS FIRST TO 3 LEGS", "CRICKET".
std::string formatWords(const std::string& game, int setsToWin, int legsToWin);

// A player's figures so far: the match's 3-dart average (x01), his last
// visit's score and the darts he has thrown in the leg:
// "AVG 45.20 · LAST 60 · DARTS 9"; "LAST BUST" after a bust.
std::string playerLine(const MatchRecord& match, std::span<const TurnRecord> turns, int player, int legDarts);

// The darts of a visit as they landed, each with its points and (x01) the
// score left after it: {"T20 60 · 441", "S5 5 · 436"}; a bust says so.
std::vector<std::string> visitLines(const TurnRecord& visit, bool x01);

// The visit the panel shows: the one being thrown, else the last one booked
// (also while its score is called, until the next dart), never a typed turn,
// which has no darts to show. Player 0 and no darts when there is none.
struct ShownVisit {
    int player = 0;
    std::vector<std::string> darts;
};
ShownVisit shownVisit(const MatchRecorder& rec, bool x01);

// The route to check out from what is left with the darts left in the
// visit, when there is one ("T20 T20 BULL"); empty when the score is not a
// finish for these darts (above 170, a bogey number, or too far for them).
// It is the route that goes for the finish now, as the table gives it when
// the opponent could finish next (the hint's safer set-up shots are the H
// key's business).
std::string checkoutRoute(int remaining, int dartsLeft);

// The figures of a leg (or of the whole match, leg 0) for the summary shown
// when it ends: for each player, in order.
struct SummaryRow {
    std::string what;                 // "3-DART AVERAGE", "FIRST 9", ...
    std::array<std::string, 2> value; // players 1 and 2
};
std::vector<SummaryRow> summary(const MatchRecord& match, std::span<const TurnRecord> turns, int leg);

} // namespace vantorelle::records
