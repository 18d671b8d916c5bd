#include "rules/match/throwmodel.h"

#include <cmath>

#include "rules/match/bed.h"

namespace vantorelle {

namespace {

struct LevelRow {
    int level;
    int t1, t2; // on screen: K 100 below t1, 200 below t2, else 400
    int a, b;   // real board: K 400 above D + a, 200 above D + b, else 100
};

constexpr LevelRow kLevels[] = {
    //  level  t1   t2    a   b
    {1, 101, 105, 8, 6}, {2, 97, 101, 7, 5}, {3, 93, 97, 6, 4},    {4, 89, 93, 5, 3},    {6, 85, 89, 4, 2},
    {8, 81, 85, 2, 0},   {9, 77, 81, 0, -2}, {12, 73, 77, -2, -4}, {16, 65, 69, -6, -8},
};

const LevelRow& levelRow(int level)
{
    for (const auto& row : kLevels)
        if (row.level == level)
            return row;
    return kLevels[std::size(kLevels) - 1];
}

bool plusSign(Rng& rng)
{
    return rng.pick(2, 1) == 1;
}

} // namespace

Point humanLanding(int aimX, int aimY, int W, int H, Rng& rng)
{
    const int sx = static_cast<int>(rng.uniform() * W + W / 4.0);
    const int sy = static_cast<int>(rng.uniform() * H / 4.0 + H / 80.0);
    const int x = plusSign(rng) ? aimX + sx : aimX - sx;
    const int y = plusSign(rng) ? aimY + sy : aimY - sy;
    return {x, y};
}

int computerBand(int rank)
{
    if (rank <= 16)
        return 1;
    if (rank <= 32)
        return 2;
    if (rank <= 80)
        return 3;
    return 4;
}

int computerLevel(int rank, int difficulty)
{
    if (difficulty < 0)
        difficulty = 0;
    if (difficulty > 3)
        difficulty = 3;
    return computerBand(rank) * (4 - difficulty);
}

int computerQ(int rank)
{
    return static_cast<int>(std::nearbyint(rank / 4.0));
}

int threeDartAverage(int points, int darts)
{
    if (darts <= 0)
        return 0;
    return static_cast<int>(std::nearbyint(static_cast<double>(points) / darts * 3));
}

int averageK(int level, int average)
{
    const auto& row = levelRow(level);
    if (average < row.t1)
        return 100;
    if (average < row.t2)
        return 200;
    return 400;
}

int realBoardK(int level, int average, int statedAverage)
{
    const auto& row = levelRow(level);
    if (average > statedAverage + row.a)
        return 400;
    if (average > statedAverage + row.b)
        return 200;
    return 100;
}

int Nervous(std::string_view target, const Pressure& p)
{
    int n = 0;
    if (isFinishingBed(target) && p.player1Remaining < 160)
        n += 6;
    if (p.legs2 == 2)
        n += 6;
    if (p.legs1 == 2)
        n += 6;
    if (p.sets2 == p.setsToWin - 1)
        n += 6;
    if (p.sets1 == p.setsToWin - 1)
        n += 6;
    return n;
}

} // namespace vantorelle
