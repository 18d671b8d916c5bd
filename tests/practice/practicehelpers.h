#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "rules/match/bed.h"
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

} // namespace vantorelle::testing
