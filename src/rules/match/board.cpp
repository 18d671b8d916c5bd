#include "rules/match/board.h"

#include <cmath>
#include <cstdlib>

#include "rules/match/bed.h"

namespace vantorelle {

namespace {

constexpr double kPi = 3.14159265;

struct AimRow {
    int single[2];
    int dbl[2];
    int treble[2];
};

// Aim points by segment number 1..20: single (outer single ring), double, treble.
// These are part of the computer's playing strength and are not derived from
// the geometry.
constexpr AimRow kAimTable[21] = {
    {{0, 0}, {0, 0}, {0, 0}},
    {{3060, 1110}, {3180, 780}, {2955, 1470}},  // 1
    {{3510, 3855}, {3735, 4110}, {3285, 3525}}, // 2
    {{2580, 4140}, {2580, 4500}, {2595, 3750}}, // 3
    {{3840, 1680}, {4140, 1470}, {3555, 1920}}, // 4
    {{2100, 1140}, {1980, 780}, {2235, 1470}},  // 5
    {{4140, 2610}, {4500, 2565}, {3765, 2580}}, // 6
    {{1695, 3810}, {1470, 4125}, {1920, 3540}}, // 7
    {{1110, 3075}, {780, 3195}, {1485, 2955}},  // 8
    {{1350, 1710}, {1050, 1485}, {1650, 1920}}, // 9
    {{4080, 3060}, {4395, 3180}, {3705, 2940}}, // 10
    {{1035, 2580}, {690, 2595}, {1425, 2610}},  // 11
    {{1695, 1335}, {1485, 1035}, {1920, 1635}}, // 12
    {{4065, 2100}, {4410, 2010}, {3705, 2220}}, // 13
    {{1149, 2115}, {780, 1995}, {1485, 2220}},  // 14
    {{3855, 3495}, {4140, 3705}, {3555, 3270}}, // 15
    {{1335, 3510}, {1065, 3720}, {1650, 3285}}, // 16
    {{3060, 4065}, {3165, 4425}, {2925, 3705}}, // 17
    {{3495, 1320}, {3705, 1035}, {3270, 1635}}, // 18
    {{2130, 4035}, {2010, 4410}, {2235, 3705}}, // 19
    {{2595, 1035}, {2580, 675}, {2580, 1425}},  // 20
};
constexpr Point kOuterBullAim{2730, 2610};
constexpr Point kBullAim{2595, 2595};

} // namespace

double boardRadius(int x, int y)
{
    const double dx = x - board::kCentreX;
    const double dy = board::kCentreY - y;
    return std::sqrt(dx * dx + dy * dy);
}

double boardAngle(int x, int y)
{
    const double c = 1945.0 * (x - board::kCentreX);
    const double d = 1945.0 * (board::kCentreY - y);
    double angle;
    if (std::fabs(d) < 0.0001) {
        angle = kPi / 2;
    } else {
        angle = std::fabs(std::atan(c / d));
        if (d < 0)
            angle = kPi - angle;
    }
    if (c < 0)
        angle = -angle;
    return angle / kPi * 180;
}

int segmentAt(double t)
{
    if (t >= -9 && t < 9)
        return 20;
    // Right half: lo <= t < lo + 18, a boundary going to the segment clockwise of it.
    for (int i = 1; i <= 9; ++i) {
        const double lo = -9 + 18.0 * i;
        if (t >= lo && t < lo + 18)
            return board::kSegments[i];
    }
    // Straight down and 9 degrees either side.
    if (t >= 171 || t <= -171)
        return 3;
    // Left half: hi - 18 < t <= hi, a boundary going to the segment anticlockwise of it.
    for (int i = 1; i <= 9; ++i) {
        const double hi = -9 - 18.0 * (i - 1);
        if (t > hi - 18 && t <= hi)
            return board::kSegments[20 - i];
    }
    return 3; // not reached for a finite angle
}

bool onWire(double r)
{
    for (double w :
         {board::kBull, board::kOuterBull, board::kTrebleIn, board::kTrebleOut, board::kDoubleIn, board::kDoubleOut})
        if (r > w - 0.5 && r < w + 0.5)
            return true;
    return false;
}

static std::string ringCode(double r, int number)
{
    if (r <= board::kBull)
        return "S50";
    if (r <= board::kOuterBull)
        return "S25";
    if (r <= board::kTrebleIn)
        return makeBed('S', number);
    if (r <= board::kTrebleOut)
        return makeBed('T', number);
    if (r <= board::kDoubleIn)
        return makeBed('S', number);
    if (r <= board::kDoubleOut)
        return makeBed('D', number);
    return "000";
}

std::string bedAt(int x, int y)
{
    return ringCode(boardRadius(x, y), segmentAt(boardAngle(x, y)));
}

Landing GetScore(int x, int y, bool realBoard, Rng& rng)
{
    const double r = boardRadius(x, y);
    if (onWire(r)) {
        const int k = rng.pick(10, 1);
        if (!realBoard && k == 1)
            return {"000", true};
    }
    return {ringCode(r, segmentAt(boardAngle(x, y))), false};
}

std::vector<BedArea> bedAreas(std::string_view code)
{
    if (code == "S50")
        return {{0, board::kBull, 0, 360}};
    if (code == "S25")
        return {{board::kBull, board::kOuterBull, 0, 360}};
    if (!isValidBed(code) || code == "000")
        return {};
    const int number = (code[1] - '0') * 10 + (code[2] - '0');
    double from = 0;
    for (std::size_t i = 0; i < board::kSegments.size(); ++i)
        if (board::kSegments[i] == number)
            from = 18.0 * static_cast<double>(i) - 9;
    switch (code[0]) {
    case 'D':
        return {{board::kDoubleIn, board::kDoubleOut, from, 18}};
    case 'T':
        return {{board::kTrebleIn, board::kTrebleOut, from, 18}};
    default:
        return {{board::kOuterBull, board::kTrebleIn, from, 18}, {board::kTrebleOut, board::kDoubleIn, from, 18}};
    }
}

std::optional<Point> GetCoords(std::string_view code)
{
    if (code == "S25")
        return kOuterBullAim;
    if (code == "S50")
        return kBullAim;
    if (!isValidBed(code) || code == "000")
        return std::nullopt;
    const auto& row = kAimTable[(code[1] - '0') * 10 + (code[2] - '0')];
    const int* p = code[0] == 'S' ? row.single : code[0] == 'D' ? row.dbl : row.treble;
    return Point{p[0], p[1]};
}

double GetDistance(int x, int y)
{
    const double dx = x - board::kBullUpX;
    const double dy = board::kBullUpY - y;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

static std::string unquote(std::string s)
{
    while (!s.empty() && (s.back() == '\r' || s.back() == ' '))
        s.pop_back();
    std::size_t b = 0;
    while (b < s.size() && s[b] == ' ')
        ++b;
    s.erase(0, b);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        s = s.substr(1, s.size() - 2);
    return s;
}

std::optional<Point> findAimRecord(std::istream& in, std::string_view code)
{
    std::string line;
    while (std::getline(in, line)) {
        const auto c1 = line.find(',');
        if (c1 == std::string::npos)
            continue;
        const auto c2 = line.find(',', c1 + 1);
        if (c2 == std::string::npos)
            continue;
        if (unquote(line.substr(0, c1)) != code)
            continue;
        const std::string xs = unquote(line.substr(c1 + 1, c2 - c1 - 1));
        const std::string ys = unquote(line.substr(c2 + 1));
        char* end = nullptr;
        const long x = std::strtol(xs.c_str(), &end, 10);
        if (xs.empty() || *end)
            continue;
        const long y = std::strtol(ys.c_str(), &end, 10);
        if (ys.empty() || *end)
            continue;
        if (x < -32768 || x > 32767 || y < -32768 || y > 32767)
            continue;
        return Point{static_cast<int>(x), static_cast<int>(y)};
    }
    return std::nullopt;
}

std::array<std::string, 62> aimCodes()
{
    std::array<std::string, 62> codes;
    std::size_t k = 0;
    for (char ring : {'S', 'D', 'T'})
        for (int n = 1; n <= 20; ++n)
            codes[k++] = makeBed(ring, n);
    codes[k++] = "S25";
    codes[k++] = "S50";
    return codes;
}

} // namespace vantorelle
