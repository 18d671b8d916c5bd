#pragma once
#include <sqlite3.h>

#include <span>
#include <string>

namespace vantorelle::store {

// The schema's version this program writes (PRAGMA user_version).
inline constexpr int kSchemaVersion = 1;

// The steps from version n to n + 1, step n at index n.
std::span<const char* const> migrations();

// What a failed call was doing, for its words.
enum class Doing { Opening, Reading, Writing };

// Why a call failed, as SQLite and the system said it.
struct Failure {
    int code = SQLITE_OK; // extended result code
    int sysErrno = 0;     // the system's errno behind it, when there was one
};
// What the connection's last call failed with. SQLite does not always keep
// the system's errno; the caller clears errno before the call, and what the
// failing write left in it is taken then.
Failure lastFailure(sqlite3* db);

// The player's words for a failure: "The match records cannot be written
// (the disk is full)."
std::string describe(const Failure& f, Doing doing);

// Fixed messages.
inline constexpr const char* kNewerFile =
    "The match records were written by a newer version of the game; they are left as they are.";
inline constexpr const char* kNotRecords = "The match records file belongs to another program; it is left as it is.";
inline constexpr const char* kDamaged = "The match records cannot be read (the file is damaged).";
inline constexpr const char* kNotOpen = "The match records are not open.";
inline constexpr const char* kReadOnly = "The match records cannot be written (the file or its folder is read-only).";

// Brings the file from its version to steps.size(), one transaction a step.
// ok, or the failure of the step that could not be made (the file keeps the
// version before it).
bool migrate(sqlite3* db, std::span<const char* const> steps, Failure& failed);

// What the first hundred bytes of a file say, read without SQLite, so that
// a file that must be left alone is not even opened by it.
struct FileHeader {
    bool truncated = false; // it says it holds more pages than it has: it was cut short
    int userVersion = 0;    // the schema version it says it has (0: none, or not SQLite)
};
// truncated is only judged when no WAL or rollback journal lies beside the
// file (SQLite mends a checkpoint that a crash cut short from those).
FileHeader readHeader(const std::string& path);

} // namespace vantorelle::store
