#pragma once
#include <string>

namespace vantorelle {

// What the structure window shows before a tournament's draw is made: its
// name and picture, how it is run and what it pays in ranking points.
struct StructureText {
    std::string tournament; // lblTourn
    std::string picture;    // Image1, under the program folder
    std::string structure;  // lblStructure, one text
    std::string ranking;    // lblRanking, lines separated by CR LF
};

// The texts for tournament 1..12; all empty for any other number.
StructureText structureFor(int tournamentNo);

} // namespace vantorelle
