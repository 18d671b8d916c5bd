#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vantorelle {

// The one place the game touches the disk for its data files, and the one
// place that calls the system for it (POSIX, or the wide-character API of
// Windows). Paths are UTF-8 strings on both; nothing here knows what the
// text means.

// Replaces the file with the text, atomically: a crash or a full disk leaves
// the old file as it was. On failure, error says why in words for the player.
bool saveTextFile(const std::string& path, const std::string& text, std::string* error = nullptr);

// The file's text, or nothing when it cannot be read. Files above maxBytes
// are not read at all: no data file of the game comes near that size.
std::optional<std::string> readTextFile(const std::string& path, std::size_t maxBytes = 4 * 1024 * 1024);

// True when the file is gone afterwards (a missing file counts).
bool removeFile(const std::string& path);

// The path of the file in the folder whose name equals this one when both
// are upper-cased as the game upper-cases names; nothing when there is none.
std::optional<std::string> findFileIgnoringCase(const std::string& folder, const std::string& name);

// Whether two paths name one file (as on a file system that ignores case).
bool sameFile(const std::string& a, const std::string& b);

// Whether a file is there (readable or not).
bool fileExists(const std::string& path);

// The names (not paths) of the files in the folder that end with the suffix,
// sorted.
std::vector<std::string> filesEndingWith(const std::string& folder, const std::string& suffix);

} // namespace vantorelle
