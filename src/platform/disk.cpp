#include "platform/disk.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "rules/app/utf8.h"
#include "rules/app/utf8path.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace vantorelle {

namespace {

// A save goes to this name beside the file first; see saveTextFile.
constexpr const char* kTemporarySuffix = ".vantorelle-new";

// The regular files of a folder (not links, which could lead out of it, nor
// hidden ones), sorted by name.
std::vector<std::string> plainFiles(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code e;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : pathFromUtf8(folder), e);
    for (const fs::directory_iterator end; !e && it != end; it.increment(e)) {
        std::error_code s;
        if (!fs::is_regular_file(it->symlink_status(s)))
            continue;
        std::string name = utf8FromPath(it->path().filename());
        if (!name.empty() && name.front() != '.')
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string inFolder(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    const char last = folder.back();
    return last == '/' || last == '\\' ? folder + name : folder + "/" + name;
}

#ifdef _WIN32

std::wstring widePath(const std::string& path)
{
    if (path.empty())
        return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()), nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()), out.data(), n);
    return out;
}

// The system's words for the last error, as UTF-8 without the final full
// stop and line break.
std::string lastErrorText()
{
    const DWORD code = GetLastError();
    wchar_t* buffer = nullptr;
    const DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    if (n > 0 && buffer) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(n), nullptr, 0, nullptr, nullptr);
        text.resize(static_cast<std::size_t>(std::max(size, 0)));
        WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(n), text.data(), size, nullptr, nullptr);
    }
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.' || text.back() == ' '))
        text.pop_back();
    return text.empty() ? "error " + std::to_string(code) : text;
}

bool writeAndReplace(const std::string& path, const std::string& temporary, const std::string& text, std::string& why)
{
    const std::wstring target = widePath(path);
    const std::wstring temp = widePath(temporary);
    if (target.empty() || temp.empty()) {
        why = "the name of the file is not valid";
        return false;
    }
    // Written straight through, so that a write the disk cuts short is seen
    // here and the short file never replaces the good one.
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        why = lastErrorText();
        return false;
    }
    auto fail = [&](std::string reason) {
        CloseHandle(file);
        DeleteFileW(temp.c_str());
        why = std::move(reason);
        return false;
    };
    std::size_t written = 0;
    while (written < text.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - written, 1u << 20));
        DWORD n = 0;
        if (!WriteFile(file, text.data() + written, chunk, &n, nullptr))
            return fail(lastErrorText());
        if (n == 0)
            return fail("the disk is full");
        written += n;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || static_cast<unsigned long long>(size.QuadPart) != text.size() ||
        !FlushFileBuffers(file))
        return fail("the disk is full");
    if (!CloseHandle(file)) {
        DeleteFileW(temp.c_str());
        why = lastErrorText();
        return false;
    }
    // One step, made to last before it returns.
    if (!MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        why = lastErrorText();
        DeleteFileW(temp.c_str());
        return false;
    }
    return true;
}

#else

std::string errnoText()
{
    return std::strerror(errno);
}

bool writeAndReplace(const std::string& path, const std::string& temporary, const std::string& text, std::string& why)
{
    // Unbuffered: a write the disk cuts short (full, or over a size limit)
    // is seen here and the short file never replaces the good one.
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        why = errnoText();
        return false;
    }
    auto fail = [&](std::string reason) {
        ::close(fd);
        ::unlink(temporary.c_str());
        why = std::move(reason);
        return false;
    };
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(errnoText());
        if (n == 0)
            return fail("the disk is full");
        written += static_cast<std::size_t>(n);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || static_cast<std::size_t>(st.st_size) != text.size() || ::fsync(fd) != 0)
        return fail("the disk is full");
    if (::close(fd) != 0) {
        why = errnoText();
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        why = errnoText();
        ::unlink(temporary.c_str());
        return false;
    }
    // The rename itself is made to last too.
    const fs::path folder = pathFromUtf8(path).parent_path();
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

#endif

} // namespace

bool saveTextFile(const std::string& path, const std::string& text, std::string* error)
{
    // The new text goes to "<name>.vantorelle-new" beside the file, is
    // flushed to the disk and then renamed over the file in one step: a
    // crash at any moment leaves the old file or the new one, whole. A copy
    // left by a crash has this one name and is simply written over by the
    // next save; no other file is ever touched.
    std::string why;
    if (writeAndReplace(path, path + kTemporarySuffix, text, why))
        return true;
    if (error)
        *error = why;
    return false;
}

std::optional<std::string> readTextFile(const std::string& path, std::size_t maxBytes)
{
    const fs::path p = pathFromUtf8(path);
    std::error_code e;
    const auto size = fs::file_size(p, e);
    if (e || size > maxBytes)
        return std::nullopt;
    std::ifstream in(p, std::ios::binary);
    if (!in)
        return std::nullopt;
    // Read to the end rather than trusting the size: the file may grow.
    std::string text;
    char buffer[16384];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > maxBytes)
            return std::nullopt;
    }
    if (in.bad())
        return std::nullopt;
    return text;
}

bool removeFile(const std::string& path)
{
    const fs::path p = pathFromUtf8(path);
    std::error_code e;
    const auto status = fs::symlink_status(p, e);
    if (!fs::exists(status))
        return true;
    if (fs::is_directory(status))
        return false; // only files are removed here
    fs::remove(p, e);
    return !e;
}

std::optional<std::string> findFileIgnoringCase(const std::string& folder, const std::string& name)
{
    const std::string wanted = upperCase(name);
    for (const std::string& entry : plainFiles(folder))
        if (upperCase(entry) == wanted)
            return inFolder(folder, entry);
    return std::nullopt;
}

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code e;
    return fs::equivalent(pathFromUtf8(a), pathFromUtf8(b), e);
}

bool fileExists(const std::string& path)
{
    std::error_code e;
    return fs::exists(pathFromUtf8(path), e);
}

std::vector<std::string> filesEndingWith(const std::string& folder, const std::string& suffix)
{
    const std::string ending = upperCase(suffix);
    std::vector<std::string> out;
    for (std::string& entry : plainFiles(folder)) {
        const std::string upper = upperCase(entry);
        if (upper.size() >= ending.size() && upper.compare(upper.size() - ending.size(), ending.size(), ending) == 0)
            out.push_back(std::move(entry));
    }
    return out;
}

} // namespace vantorelle
