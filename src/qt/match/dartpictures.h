#pragma once
#include <QPixmap>

#include "rules/match/flight.h"

namespace vantorelle {

// The pictures of a dart are drawn by the program in each player's colours.

// Size of a picture in board units.
QSizeF dartPictureSize(DartPicture kind);

// The picture for player 1 or 2 and pose 'a'..'d', at this many pixels per
// board unit. Cached.
QPixmap dartPixmap(DartPicture kind, int player, char pose, double pixelsPerUnit, qreal devicePixelRatio = 1.0);

QColor playerColour(int player);

} // namespace vantorelle
