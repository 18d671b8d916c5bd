#pragma once
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "rules/records/record.h"

namespace vantorelle::records {

// A dart as the match saw it land, before the rules fill in what follows
// from it.
struct ThrownDart {
    bool aimed = false; // see DartRecord
    int aimX = 0;
    int aimY = 0;
    std::string aimBed;
    int x = 0;
    int y = 0;
    std::string bed = "000";
    bool bounceOut = false;
};

// An x01 turn from its darts, scored as the match scores it: each dart's
// points, the score left before and after it, whether it was at a double,
// and the dart that busts (too much, 1 left, or 0 reached off a double) or
// wins the leg ends the turn; darts handed after it are not part of the turn.
// A busted turn scores 0 and leaves the score where it was. ended false: the
// turn in progress when the match was abandoned (not booked, score = the
// points so far).
TurnRecord x01Turn(const TurnKey& key, int remainingBefore, std::span<const ThrownDart> darts, bool ended = true);

// A turn a real-board player typed: darts used, the points and the darts he
// threw at a double. A score equal to what was left wins the leg; a bust is
// typed as 0.
TurnRecord typedTurn(const TurnKey& key, int remainingBefore, int darts, int score, int dartsAtDouble);

// A turn of any other game (Cricket, practice): each dart's points are its
// bed's value and the turn scores their sum; no score is left, no double
// counted. The game may put its own count into score.
TurnRecord plainTurn(const TurnKey& key, std::span<const ThrownDart> darts, bool ended = true);

// Numbers the turns of a match as they are played: the leg after a checkout,
// the set after a player's legsToWin-th leg of the set, each player's turn in
// the leg. Turns taken back are forgotten, so the numbers go on as if they had
// never been played.
class TurnCounter {
public:
    explicit TurnCounter(int legsToWin = 1) : m_legsToWin(legsToWin < 1 ? 1 : legsToWin) {}

    // The key of player's next turn.
    TurnKey next(int player) const;
    // A turn was booked (its key need not come from next()).
    void add(const TurnRecord& turn);
    // The last n turns booked are taken back.
    void takeBack(std::size_t n = 1);
    // Turns booked so far.
    std::size_t size() const { return m_booked.size(); }

private:
    struct Position {
        int set = 1;
        int leg = 1;
        std::array<int, 2> legsInSet{};
        std::array<int, 2> turnsInLeg{};
    };
    Position replay() const;

    int m_legsToWin;
    std::vector<std::pair<int, bool>> m_booked; // player and checkout of each turn, in order
    Position m_now;
};

} // namespace vantorelle::records
