#pragma once
#include <string>

namespace vantorelle {

// The credits window's cheat: the speed code followed by a number sets the
// aim circle's speed. Letters are compared upper-cased.
inline constexpr const char* kSpeedCode = "ZOOM";

struct Cheat {
    enum Kind { NotACheat, SpeedSet, SpeedRefused } kind = NotACheat;
    int speed = 0; // the new override: 30..150, or 0 when refused
};

Cheat applyCheat(const std::string& entry);

} // namespace vantorelle
