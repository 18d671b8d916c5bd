#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "rules/career/careerstate.h"
#include "rules/career/roster.h"
#include "rules/match/board.h"
#include "rules/match/matchstate.h"
#include "rules/match/rng.h"

namespace vantorelle {

// The computer at the oche (always player 2): where it aims and where its
// darts land, from its world rank, the class of the match, the state of the
// match and, against a player at a real board, his stated average. It only
// says where a dart lands; the match throws it.
class ComputerPlayer {
public:
    ComputerPlayer(const MatchState& match, const RosterFile& roster, const CareerState& career,
                   const std::string& appFolder, Rng& rng)
        : m_match(match), m_roster(roster), m_career(career), m_appFolder(appFolder), m_rng(rng)
    {
    }

    // Where a computer dart aimed at a bed (or at alt, with even chance) lands.
    Point Throw(std::string_view score, std::string_view alt = {});
    // The extra error of a computer dart aimed at this bed.
    int Nervous(std::string_view score) const;
    // The landing point of the computer's next dart: in x01 from its remaining
    // score before the dart, in Cricket from the marks. Nothing when Cricket
    // leaves nothing to aim at.
    std::optional<Point> ComputerThrow(int remaining);
    // The other player's remaining score at the start of the turn.
    int OpponentScore() const;
    // The exact point compaim.dat gives for a bed; nothing for a bed it lacks.
    std::optional<Point> Hit(std::string_view score, std::string_view alt = {});
    // The bed the last dart thrown was aimed at (for the match's record).
    const std::string& lastAim() const { return m_lastAim; }

private:
    const MatchState& m_match;
    const RosterFile& m_roster;
    const CareerState& m_career;
    const std::string& m_appFolder;
    Rng& m_rng;
    std::string m_lastAim;
};

} // namespace vantorelle
