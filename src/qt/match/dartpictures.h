#pragma once
#include <QPixmap>

namespace vantorelle {

// The pictures of a dart, drawn by the program in each player's colours.
enum class DartPicture {
    Big,         // first flight frame
    MediumBig,   // second flight frame, last bounce-out frame
    MediumSmall, // later flight frames, first bounce-out frame
    Small,       // the dart stuck in the board; its tip 590 units right of and below the corner
};

// Size of a picture in board units.
QSizeF dartPictureSize(DartPicture kind);

// The picture for player 1 or 2 and pose 'a'..'d', at this many pixels per
// board unit. Cached.
QPixmap dartPixmap(DartPicture kind, int player, char pose, double pixelsPerUnit, qreal devicePixelRatio = 1.0);

QColor playerColour(int player);

} // namespace vantorelle
