#include "rules/match/flight.h"

namespace vantorelle {

std::vector<FlightFrame> Animate(int x, int y, char pose, bool bounceOut)
{
    struct Step {
        DartPicture picture;
        int dx, dy;
    };
    static constexpr Step kFlight[] = {
        {DartPicture::Big, 150, -3750},
        {DartPicture::MediumBig, 100, -3500},
        {DartPicture::MediumSmall, 50, -3250},
        {DartPicture::MediumSmall, 0, -3000},
        {DartPicture::MediumSmall, 0, -2750},
    };
    static constexpr Step kFall[] = {
        {DartPicture::MediumSmall, 0, 2000},
        {DartPicture::MediumBig, 0, 4000},
    };
    std::vector<FlightFrame> frames;
    frames.reserve(9);
    for (const auto& s : kFlight)
        frames.push_back({true, s.picture, 'a', x + s.dx, y + s.dy});
    frames.push_back({true, DartPicture::Small, pose, x - 590, y - 590});
    if (bounceOut) {
        for (const auto& s : kFall)
            frames.push_back({true, s.picture, 'a', x + s.dx, y + s.dy});
        frames.push_back({false, DartPicture::Small, 'a', 0, 0});
    }
    return frames;
}

} // namespace vantorelle
