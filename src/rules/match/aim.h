#pragma once

namespace vantorelle {

// The pulsing aim circle of a human thrower, in board units. Width and height
// shrink and grow by the aim speed on every tick of the aim timer until the
// player freezes them: the right button freezes the width, the left button
// freezes the height and throws.
struct AimCircle {
    static constexpr int kFullSize = 2000;

    int left = 0;
    int top = 0;
    int width = kFullSize;
    int height = kFullSize;
    bool visible = false;
    bool freeX = false;
    bool freeY = false;
    bool shrinkX = false;
    bool shrinkY = false;

    // First left click: a full-size circle centred on the aim point, both axes pulsing.
    void start(int x, int y);
    // One tick of the aim timer at speed s.
    void tick(int s);
    // Hidden, both axes still.
    void clear();

    int centreX() const { return left + width / 2; }
};

} // namespace vantorelle
