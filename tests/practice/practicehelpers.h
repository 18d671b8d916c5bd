#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "rules/match/bed.h"
#include "rules/match/rng.h"
#include "rules/practice/practicesession.h"

namespace vantorelle::testing {

// Every code the board can give: the singles, doubles and trebles of 1..20,
// the two bulls and a miss.
inline std::vector<std::string> everyBed()
{
    std::vector<std::string> beds{"000", "S25", "S50"};
    for (char ring : {'S', 'D', 'T'})
        for (int n = 1; n <= 20; ++n)
            beds.push_back(makeBed(ring, n));
    return beds;
}

// Throws the darts in order; every one must be taken. The last dart's
// outcome.
inline PracticeDart throwDarts(PracticeSession& s, std::initializer_list<const char*> beds)
{
    PracticeDart last;
    for (const char* bed : beds) {
        last = s.dart(bed);
        EXPECT_TRUE(last.accepted) << bed;
    }
    return last;
}

// A scripted player: one dart in `skill` goes where the game asks (a bed of
// the target, or in 121 a finishing double or the bull when one is on), the
// rest anywhere on or off the board.
inline std::string scriptedDart(const PracticeSession& s, Rng& rng, const std::vector<std::string>& beds, int skill)
{
    if (rng.pick(skill) != 0)
        return beds[static_cast<std::size_t>(rng.pick(static_cast<int>(beds.size())))];
    if (s.choice().game != PracticeGame::Checkout121) {
        const auto target = s.targetBeds();
        return target[static_cast<std::size_t>(rng.pick(static_cast<int>(target.size())))];
    }
    const int left = s.remaining();
    if (left == 50)
        return "S50";
    if (left % 2 == 0 && left <= 40)
        return makeBed('D', left / 2);
    return left > 60 ? "T20" : makeBed('S', left > 40 ? left - 40 : 1);
}

} // namespace vantorelle::testing
