#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/match/rng.h"
#include "rules/practice/practice.h"

namespace vantorelle {

// Playing: darts are taken. Finished: the game reached its end and has a
// result. Abandoned: the player left it (New, Load, Quit); it has no result
// and never counts as a best.
enum class PracticeStatus { Playing, Finished, Abandoned };

// What one dart did.
struct PracticeDart {
    bool accepted = false;      // false: the session was over or the code is no bed; nothing changed
    std::string bed;            // the bed code as given
    std::string target;         // the target it was thrown at: "16", "D16", "T16", "BULL", "121"
    int turn = 0;               // turn of the session, from 1
    int dartInTurn = 0;         // 1..3
    bool hit = false;           // hit the target; in 121, scored without busting
    int points = 0;             // Bob's 27: the double's value on a hit; 121: the bed's value (0 on a bust)
    int penalty = 0;            // Bob's 27: taken away at the end of a turn without a hit
    int remaining = 0;          // 121: left after the dart (the turn's start after a bust)
    bool bust = false;          // 121
    bool checkout = false;      // 121
    bool attemptEnded = false;  // 121: checked out, or the nine darts are gone
    bool turnEnded = false;     // the next dart opens a new turn (also true on the last dart of the game)
    bool targetChanged = false; // the target is another one now
    bool gameOver = false;      // this dart ended the game: status() is Finished
    std::string comment;        // "Dart 2 hits D16. On to D17."
};

// One practice session, fed one dart at a time by bed code. Everything the
// scoreboard and the commentary need is here, so the window keeps no rule of
// its own.
//
// Around the Clock: 1 to 20 and then the bull, in order; the beds that count
// depend on the variant. The result is the darts used.
// Bob's 27: three darts at each double D1..D20 and then the bull, from 27
// points; a hit adds the double, a turn without one takes it away; the game
// stops after a turn that leaves zero or less. The result is the points.
// 121: nine darts (three turns) at each target, by the x01 rules; a checkout
// moves the target up one, a failure back to the last target checked out
// (121 before any). The result is the highest target checked out, 0 for none.
class PracticeSession {
public:
    explicit PracticeSession(const PracticeChoice& choice);

    const PracticeChoice& choice() const { return m_choice; }

    // Books one dart ("S05", "D16", "S25", "S50", "000"). Refused, with
    // `accepted` false, when the session is not playing or the code is no bed.
    PracticeDart dart(std::string_view bed);

    // The player left: no result, no more darts. Nothing once the game is over.
    void abandon();

    PracticeStatus status() const { return m_status; }
    bool playing() const { return m_status == PracticeStatus::Playing; }

    // Only a finished session has one.
    std::optional<int> result() const;

    // The target for the player: "16" (any bed), "D16", "T16", "BULL", "121".
    std::string targetText() const;
    // Around the Clock and Bob's 27: the number aimed at, 25 for the bull;
    // 121: the target score.
    int targetNumber() const;
    // The beds that hit the target, to light on the board: none for 121 and
    // none once the session is over.
    std::vector<std::string> targetBeds() const;

    int dartsUsed() const { return m_darts; }
    int dartsThrownInTurn() const { return m_inTurn; } // 0..2 between darts
    int turn() const { return m_turn; }                // the turn being thrown, from 1

    int points() const { return m_points; } // Bob's 27
    // Darts that hit their target (121: scored without busting).
    int hits() const { return m_hits; }

    // 121.
    int remaining() const { return m_turnStart - m_turnScore; } // left now, after this turn's darts
    int attempt() const { return m_attempt; }                   // 1..targets
    int attempts() const { return m_choice.targets; }
    int attemptTurn() const { return m_attemptTurn; } // 1..3
    int dartsLeftInAttempt() const;                   // of the nine; a bust loses its turn's darts
    int checkedOut() const { return m_checkedOut; }
    int highestCheckout() const { return m_highest; }

    // The advice on the H key. 121: the checkout route for the score left and
    // the darts left in the turn ("61 remaining. Suggest:  T15, D8."); it
    // plays safe while turns are left and goes for the finish in the last.
    // The others: the target ("Aim at D16."). Empty once over. The generator
    // picks between two equal routes.
    std::string hint(Rng& rng) const;

    // The figures on the S key, two lines: how the session goes ("14 darts,
    // 9 on target (64%).") and the best so far.
    std::array<std::string, 2> statsLines(std::optional<int> best) const;

    // The first line of a session, with the best so far when there is one.
    std::string openingText(std::optional<int> best) const;
    // The last line with the result, and whether it beats `best` (the best
    // before this session). Empty while playing and after abandoning. When
    // the bests could not be read (bestKnown false) nothing is said of them.
    std::string closingText(std::optional<int> best, bool bestKnown = true) const;

private:
    void clockDart(PracticeDart& d);
    void bobsDart(PracticeDart& d);
    void checkoutDart(PracticeDart& d);
    void endAttempt(PracticeDart& d, bool checkedOut);
    std::string targetWords() const;

    PracticeChoice m_choice;
    PracticeStatus m_status = PracticeStatus::Playing;
    int m_darts = 0;
    int m_hits = 0;
    int m_inTurn = 0;
    int m_turn = 1;

    // Around the Clock and Bob's 27: the target 0..20, 20 the bull.
    int m_index = 0;
    // Bob's 27.
    int m_points = 27;
    bool m_turnHit = false;

    // 121.
    int m_target = 121;
    int m_lastChecked = 121; // where a failed target sends the player back to
    int m_attempt = 1;
    int m_attemptTurn = 1;
    int m_attemptDarts = 0;
    int m_turnStart = 121;
    int m_turnScore = 0;
    int m_checkedOut = 0;
    int m_highest = 0;
};

} // namespace vantorelle
