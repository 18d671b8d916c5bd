#pragma once
#include <array>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/match/rng.h"

namespace vantorelle {

// Board units: the board picture's own coordinates, 15 to a screen pixel at
// scale 1, x to the right and y downwards.
namespace board {
inline constexpr int kCentreX = 2595; // middle of the bull
inline constexpr int kCentreY = 2595;
inline constexpr int kBullUpX = 2600; // the bull-up is measured from here
inline constexpr int kBullUpY = 2600;
inline constexpr int kSize = 5190; // width and height of the board picture
inline constexpr int kUnitsPerPixel = 15;

inline constexpr double kBull = 80;
inline constexpr double kOuterBull = 180;
inline constexpr double kTrebleIn = 1110;
inline constexpr double kTrebleOut = 1210;
inline constexpr double kDoubleIn = 1860;
inline constexpr double kDoubleOut = 1960;

// Clockwise from the top.
inline constexpr std::array<int, 20> kSegments{20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5};
} // namespace board

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Landing {
    std::string bed;
    bool bounceOut = false;
};

// Angle of a point at the centre in degrees, from straight up, clockwise
// positive, -180..180, computed the way the game always has (pi = 3.14159265).
double boardAngle(int x, int y);

// Segment number for an angle.
int segmentAt(double theta);

// Distance from the scoring centre.
double boardRadius(int x, int y);

// A dart striking within half a unit of a ring wire may bounce out.
bool onWire(double r);

// Bed code of a point, ignoring wires.
std::string bedAt(int x, int y);

// Scores a landing point. A dart on a wire bounces out one time in ten (one
// draw is made whenever it lies on a wire); a real-board player never bounces.
Landing GetScore(int x, int y, bool realBoard, Rng& rng);

// A part of the board a bed covers: the ring between two radii, in board
// units from the centre, and the angles it spans, in degrees clockwise from
// straight up as boardAngle measures them (a bull goes all round).
struct BedArea {
    double inner = 0;
    double outer = 0;
    double from = 0;
    double sweep = 360;
    bool operator==(const BedArea&) const = default;
};

// Where a bed lies on the board: two areas for a single (inside and outside
// the treble ring), one for any other bed, none for "000" or a code that is
// no bed.
std::vector<BedArea> bedAreas(std::string_view code);

// Aim point of a bed code from the fixed aim table; nullopt for any other code.
std::optional<Point> GetCoords(std::string_view code);

// Distance from the bull-up centre, kept at single precision.
double GetDistance(int x, int y);

// The aiming table compaim.dat: records "code",x,y. Returns the point of the
// first record with exactly this code, or nullopt when there is none or the
// file is unreadable.
std::optional<Point> findAimRecord(std::istream& in, std::string_view code);

// Every code of the aim table, in table order (S, D, T of 1..20, then S25, S50).
std::array<std::string, 62> aimCodes();

} // namespace vantorelle
