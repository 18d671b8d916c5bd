#include "qt/ui/pictures.h"

#include <QDir>
#include <QHash>
#include <QImage>

#include "rules/app/theme.h"
#include "rules/career/rankings.h"

namespace vantorelle {

QPixmap folderPicture(const std::string& appFolder, const std::string& relativePath, QSize size,
                      qreal devicePixelRatio)
{
    if (relativePath.empty() || size.isEmpty())
        return {};
    // Each file is read once; the scaled copies are cheap to make again.
    static QHash<QString, QImage> loaded;
    const QString path = QDir(QString::fromStdString(appFolder)).filePath(QString::fromStdString(relativePath));
    auto it = loaded.find(path);
    if (it == loaded.end())
        it = loaded.insert(path, QImage(path));
    if (it->isNull())
        return {};
    QPixmap pm = QPixmap::fromImage(
        it->scaled(size * devicePixelRatio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pm.setDevicePixelRatio(devicePixelRatio);
    return pm;
}

QPixmap flagPixmap(const std::string& appFolder, const QString& code, QSize size, qreal devicePixelRatio)
{
    return folderPicture(appFolder, flagPicture(code.toStdString()), size, devicePixelRatio);
}

QPixmap logoPixmap(const std::string& appFolder, const QString& themeCode, QSize size, qreal devicePixelRatio)
{
    const auto theme = themeFor(themeCode.toStdString());
    return theme ? folderPicture(appFolder, theme->logo, size, devicePixelRatio) : QPixmap();
}

} // namespace vantorelle
