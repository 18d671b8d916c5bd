#include "qt/app/disk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <filesystem>

namespace vantorelle {

namespace {
QString qpath(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
} // namespace

bool saveTextFile(const std::string& path, const std::string& text, std::string* error)
{
    // The new text goes to "<name>.vantorelle-new" beside the file, is
    // flushed to the disk and then renamed over the file in one step: a
    // crash at any moment leaves the old file or the new one, whole. A copy
    // left by a crash has this one name and is simply written over by the
    // next save; no other file is ever touched.
    const QString target = qpath(path);
    const QString temporary = target + QStringLiteral(".vantorelle-new");
    QFile file(temporary);
    auto fail = [&](const QString& why) {
        file.close();
        QFile::remove(temporary);
        if (error)
            *error = why.toStdString();
        return false;
    };
    // Unbuffered, so that a write the disk cuts short (full, or over a size
    // limit) is seen here and the short file never replaces the good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return fail(file.errorString());
    const auto size = static_cast<qint64>(text.size());
    qint64 written = 0;
    while (written < size) {
        const qint64 n = file.write(text.data() + written, size - written);
        if (n <= 0)
            return fail(file.errorString().isEmpty() ? QStringLiteral("the disk is full") : file.errorString());
        written += n;
    }
    if (file.size() != size || ::fsync(file.handle()) != 0)
        return fail(QStringLiteral("the disk is full"));
    file.close();
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    // The rename itself is made to last too.
    const int dir = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
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
