#pragma once
#include <vector>

namespace vantorelle {

// The pictures of a dart.
enum class DartPicture {
    Big,         // first flight frame
    MediumBig,   // second flight frame, last bounce-out frame
    MediumSmall, // later flight frames, first bounce-out frame
    Small,       // the dart stuck in the board; its tip 590 units right of and below the corner
};

// One step of a dart's flight: the board is redrawn with the darts already
// counted, then this picture is drawn with its corner here (board units).
// A step without a picture leaves only the redrawn darts.
struct FlightFrame {
    bool drawn = true;
    DartPicture picture = DartPicture::Small;
    char pose = 'a';
    int x = 0;
    int y = 0;
    bool operator==(const FlightFrame&) const = default;
};

// The flight of a dart landing at (x, y): five ever smaller pictures closing
// in from above, then the dart sticking with its pose. A dart that bounced
// out then falls below the board and is gone.
std::vector<FlightFrame> Animate(int x, int y, char pose, bool bounceOut);

} // namespace vantorelle
