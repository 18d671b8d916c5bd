#include "qt/app/disk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <filesystem>

namespace vantorelle {

namespace {
QString qpath(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
} // namespace

namespace {

// A save stopped by a crash between writing the new copy and putting it in
// place leaves "<name>.XXXXXX" beside the file. Once a save has gone
// through they are of no use, and are removed (never a link, never a file
// of any other name).
void removeStaleCopies(const std::string& path)
{
    const QFileInfo target(qpath(path));
    QDir dir = target.absoluteDir();
    const QString stem = target.fileName() + QLatin1Char('.');
    for (const QFileInfo& f :
         dir.entryInfoList({stem + QStringLiteral("??????")}, QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        const QString tail = f.fileName().mid(stem.size());
        // Six random letters and digits; a word of small letters (".backup")
        // is more likely the player's own and is left alone.
        bool random = tail.size() == 6, mixed = false;
        for (const QChar c : tail) {
            random = random && c.isLetterOrNumber() && c.unicode() < 128;
            mixed = mixed || c.isDigit() || c.isUpper();
        }
        if (random && mixed && !f.isSymLink())
            QFile::remove(f.filePath());
    }
}

} // namespace

bool saveTextFile(const std::string& path, const std::string& text, std::string* error)
{
    QSaveFile file(qpath(path));
    auto fail = [&](const QString& why) {
        file.cancelWriting();
        if (error)
            *error = why.toStdString();
        return false;
    };
    // Unbuffered, so that a write the disk cuts short (full, or over a size
    // limit) is seen here: a buffered one loses its tail without an error,
    // and the short file would replace the good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    const auto size = static_cast<qint64>(text.size());
    qint64 written = 0;
    while (written < size) {
        const qint64 n = file.write(text.data() + written, size - written);
        if (n <= 0)
            return fail(file.errorString().isEmpty() ? QStringLiteral("the disk is full") : file.errorString());
        written += n;
    }
    if (file.size() != size)
        return fail(QStringLiteral("the disk is full"));
    if (!file.commit()) {
        if (error)
            *error = file.errorString().toStdString();
        return false;
    }
    removeStaleCopies(path);
    return true;
}

std::optional<std::string> readTextFile(const std::string& path, std::size_t maxBytes)
{
    QFile file(qpath(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > static_cast<qint64>(maxBytes))
        return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes) + 1);
    if (bytes.size() > static_cast<qsizetype>(maxBytes))
        return std::nullopt;
    return bytes.toStdString();
}

bool removeFile(const std::string& path)
{
    QFile file(qpath(path));
    return !file.exists() || file.remove();
}

std::optional<std::string> findFileIgnoringCase(const std::string& folder, const std::string& name)
{
    const QDir dir(qpath(folder));
    const QString wanted = qpath(name).toUpper();
    for (const QString& entry : dir.entryList(QDir::Files | QDir::NoSymLinks))
        if (entry.toUpper() == wanted)
            return dir.filePath(entry).toStdString();
    return std::nullopt;
}

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code e;
    return std::filesystem::equivalent(std::filesystem::u8path(a), std::filesystem::u8path(b), e);
}

bool fileExists(const std::string& path)
{
    return QFileInfo::exists(qpath(path));
}

std::vector<std::string> filesEndingWith(const std::string& folder, const std::string& suffix)
{
    std::vector<std::string> out;
    const QDir dir(qpath(folder));
    // A link could lead out of the data folder: only real files count.
    for (const QString& entry : dir.entryList(QDir::Files | QDir::NoSymLinks, QDir::Name))
        if (entry.endsWith(qpath(suffix), Qt::CaseInsensitive))
            out.push_back(entry.toStdString());
    return out;
}

} // namespace vantorelle
