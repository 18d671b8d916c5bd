#include "rules/match/aim.h"

namespace vantorelle {

void AimCircle::start(int x, int y)
{
    width = kFullSize;
    height = kFullSize;
    left = x - kFullSize / 2;
    top = y - kFullSize / 2;
    visible = true;
    freeX = freeY = shrinkX = shrinkY = true;
}

static void pulse(int& size, int& origin, bool& shrinking, int s)
{
    if (shrinking) {
        size -= s;
        origin += s / 2;
        if (size <= s)
            shrinking = false;
    } else {
        size += s;
        origin -= s / 2;
        if (size >= AimCircle::kFullSize)
            shrinking = true;
    }
}

void AimCircle::tick(int s)
{
    if (freeX)
        pulse(width, left, shrinkX, s);
    if (freeY)
        pulse(height, top, shrinkY, s);
}

void AimCircle::clear()
{
    visible = false;
    freeX = freeY = shrinkX = shrinkY = false;
}

} // namespace vantorelle
