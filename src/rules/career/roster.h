#pragma once
#include <array>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "rules/app/utf8.h" // upperCase, with which names are compared

namespace vantorelle {

// Field n (from 0) of a comma-separated record. Asking for a field beyond the
// last throws std::out_of_range.
std::string GetSplit(std::string_view text, int n);

// Number of comma-separated fields.
int fieldCount(std::string_view text);

// The roster file Data/Stats.dat: a header line of two fields, then exactly
// 160 roster lines of 17 fields (rank, first name, second name, nationality,
// total points, points of tournaments 1..12). Blank lines are skipped.
struct RosterFile {
    static constexpr int kPlayers = 160;
    static constexpr int kFields = 17;

    std::string header1;
    std::string header2;
    std::vector<std::string> lines; // entry k at index k - 1
};

struct RosterLoad {
    RosterFile roster;
    std::string error; // empty when the file was good
    bool ok() const { return error.empty(); }
};

// Reads and checks a roster. The error names what is wrong and where.
RosterLoad readRoster(std::istream& in);

// The roster file as text, lines ended by CR LF.
std::string writeRoster(const RosterFile& roster);

// The world rank of the named player (case-insensitive, last match wins); 0
// when the name is not in the roster.
int GetRank(const std::vector<std::string>& lines, std::string_view name);

// "First Second" of a roster line.
std::string rosterName(std::string_view line);

} // namespace vantorelle
