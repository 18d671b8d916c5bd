#pragma once
#include <QPixmap>
#include <QString>

namespace vantorelle {

// The flags of the eight nationalities and the tournament logos are drawn by
// the program, at any size, so none can be missing and all stay sharp.

// The flag of a nationality code ("ENG", "ROW", ...); a grey blank for a code
// that is none of them.
QPixmap flagPixmap(const QString& code, QSize size, qreal devicePixelRatio = 1.0);

// The logo of a theme code ("EM", "AllBlack", ...): a badge in the theme's
// colour with a dartboard and the tournament's initials.
QPixmap logoPixmap(const QString& themeCode, QSize size, qreal devicePixelRatio = 1.0);

} // namespace vantorelle
