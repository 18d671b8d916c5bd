#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace vantorelle {

// A UTF-8 path as the file system takes it, and back. On Windows a path made
// from a plain std::string is read in the local code page instead, and a
// folder named "José" is not found.
inline std::filesystem::path pathFromUtf8(std::string_view path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

inline std::string utf8FromPath(const std::filesystem::path& path)
{
    const std::u8string u8 = path.u8string();
    return std::string(u8.begin(), u8.end());
}

} // namespace vantorelle
