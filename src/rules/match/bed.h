#pragma once
#include <string>
#include <string_view>

namespace vantorelle {

// A bed code names where a dart scored or is aimed: "S", "D" or "T" and the
// segment as two digits ("T20", "D05"), "S25" the outer bull, "S50" the bull,
// "000" no score.
int bedValue(std::string_view code);

// The bull counts as a double; the outer bull does not.
bool isFinishingBed(std::string_view code);

// "T" and 7 make "T07".
std::string makeBed(char ring, int number);

// True for every code the board can produce.
bool isValidBed(std::string_view code);

} // namespace vantorelle
