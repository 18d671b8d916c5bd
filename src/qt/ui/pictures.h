#pragma once
#include <QPixmap>
#include <QString>
#include <string>

namespace vantorelle {

// The pictures of the program folder (flags and tournament logos under
// flags/), scaled smoothly to the size they are shown at. A missing or
// unreadable picture gives an empty pixmap: its image stays blank and the
// window works on.
QPixmap folderPicture(const std::string& appFolder, const std::string& relativePath, QSize size,
                      qreal devicePixelRatio = 1.0);

// The flag of a nationality code ("ENG", ...); empty for any other code.
QPixmap flagPixmap(const std::string& appFolder, const QString& code, QSize size, qreal devicePixelRatio = 1.0);

// The logo of a theme code ("EM", "AllBlack", ...); empty for an unknown code.
QPixmap logoPixmap(const std::string& appFolder, const QString& themeCode, QSize size, qreal devicePixelRatio = 1.0);

} // namespace vantorelle
