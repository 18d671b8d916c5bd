#pragma once
// Rosters and careers for the career tests.
#include <fstream>
#include <string>
#include <vector>

#include "rules/career/careerstate.h"
#include "rules/career/rankings.h"
#include "rules/career/roster.h"

namespace vantorelle::testing {

// A roster line with every tournament at 0 but tournament t, which holds all
// the points.
inline std::string rosterLine(int rank, const std::string& first, const std::string& second,
                              const std::string& nation = "ENG", int points = 0, int t = 1)
{
    std::string s = std::to_string(rank) + "," + first + "," + second + "," + nation + "," + std::to_string(points);
    for (int n = 1; n <= 12; ++n)
        s += "," + std::to_string(n == t ? points : 0);
    return s;
}

// 160 players "Pk Player" of rank k, with points falling by rank.
inline std::vector<std::string> numberedRoster()
{
    std::vector<std::string> lines;
    for (int k = 1; k <= 160; ++k)
        lines.push_back(rosterLine(k, "P" + std::to_string(k), "Player", "ENG", k <= 100 ? 200 - k : 0, 2));
    return lines;
}

inline RosterFile shippedRoster()
{
    std::ifstream in(VANTORELLE_ASSETS "/Data/Stats.dat", std::ios::binary);
    return readRoster(in).roster;
}

// A new career of "Ivo Quillfeather" (WAL) over the shipped roster, at the
// given tournament, SHORT matches.
inline CareerState newCareer(int tournamentNo = 1)
{
    CareerState s;
    s.bytClass = 2;
    s.matchLength = 1;
    s.tournamentNo = tournamentNo;
    NewCareer(s, shippedRoster(), "Ivo", "Quillfeather", "WAL", false, 60);
    return s;
}

} // namespace vantorelle::testing
