#include "platform/storeschema.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace vantorelle::store {

namespace {

// Version 1: matches, their players with the figures of each, the turns and
// the darts. Turns are numbered by seq in the order they were played; the
// darts are keyed by player first, so one player's darts of a match are read
// without the other's.
constexpr const char* kVersion1 = R"sql(
CREATE TABLE matches (
    id INTEGER PRIMARY KEY,
    started INTEGER NOT NULL,
    ended INTEGER NOT NULL DEFAULT 0,
    kind INTEGER NOT NULL,
    game TEXT NOT NULL,
    sets_to_win INTEGER NOT NULL,
    legs_to_win INTEGER NOT NULL,
    career_player TEXT,
    tournament_no INTEGER,
    tournament TEXT,
    stage TEXT,
    outcome INTEGER NOT NULL DEFAULT 0,
    winner INTEGER NOT NULL DEFAULT 0,
    practice_result REAL
);
CREATE INDEX matches_playing ON matches(outcome) WHERE outcome = 0;
CREATE TABLE players (
    match_id INTEGER NOT NULL,
    player INTEGER NOT NULL,
    name TEXT NOT NULL,
    name_key TEXT NOT NULL,
    kind INTEGER NOT NULL,
    computer_class INTEGER NOT NULL,
    sets INTEGER NOT NULL DEFAULT 0,
    legs INTEGER NOT NULL DEFAULT 0,
    has_figures INTEGER NOT NULL DEFAULT 0,
    matches INTEGER NOT NULL DEFAULT 0,
    matches_won INTEGER NOT NULL DEFAULT 0,
    matches_lost INTEGER NOT NULL DEFAULT 0,
    vs0_won INTEGER NOT NULL DEFAULT 0,
    vs0_lost INTEGER NOT NULL DEFAULT 0,
    vs1_won INTEGER NOT NULL DEFAULT 0,
    vs1_lost INTEGER NOT NULL DEFAULT 0,
    vs2_won INTEGER NOT NULL DEFAULT 0,
    vs2_lost INTEGER NOT NULL DEFAULT 0,
    vs3_won INTEGER NOT NULL DEFAULT 0,
    vs3_lost INTEGER NOT NULL DEFAULT 0,
    darts INTEGER NOT NULL DEFAULT 0,
    points INTEGER NOT NULL DEFAULT 0,
    first9_darts INTEGER NOT NULL DEFAULT 0,
    first9_points INTEGER NOT NULL DEFAULT 0,
    legs_won INTEGER NOT NULL DEFAULT 0,
    legs_lost INTEGER NOT NULL DEFAULT 0,
    darts_in_legs_won INTEGER NOT NULL DEFAULT 0,
    darts_at_double INTEGER NOT NULL DEFAULT 0,
    highest_checkout INTEGER NOT NULL DEFAULT 0,
    turns60 INTEGER NOT NULL DEFAULT 0,
    turns100 INTEGER NOT NULL DEFAULT 0,
    turns140 INTEGER NOT NULL DEFAULT 0,
    turns180 INTEGER NOT NULL DEFAULT 0,
    best_leg_start INTEGER NOT NULL DEFAULT 0,
    best_leg_darts INTEGER NOT NULL DEFAULT 0,
    doubles TEXT NOT NULL DEFAULT '',
    PRIMARY KEY (match_id, player)
) WITHOUT ROWID;
CREATE INDEX players_by_name ON players(name_key, match_id);
CREATE TABLE turns (
    match_id INTEGER NOT NULL,
    seq INTEGER NOT NULL,
    player INTEGER NOT NULL,
    set_no INTEGER NOT NULL,
    leg_no INTEGER NOT NULL,
    turn_no INTEGER NOT NULL,
    remaining_before INTEGER NOT NULL,
    score INTEGER NOT NULL,
    darts INTEGER NOT NULL,
    darts_at_double INTEGER NOT NULL,
    flags INTEGER NOT NULL,
    PRIMARY KEY (match_id, seq)
) WITHOUT ROWID;
CREATE TABLE darts (
    match_id INTEGER NOT NULL,
    player INTEGER NOT NULL,
    seq INTEGER NOT NULL,
    dart INTEGER NOT NULL,
    aim_x INTEGER,
    aim_y INTEGER,
    aim_bed TEXT NOT NULL,
    x INTEGER NOT NULL,
    y INTEGER NOT NULL,
    bed TEXT NOT NULL,
    points INTEGER NOT NULL,
    remaining_before INTEGER NOT NULL,
    remaining_after INTEGER NOT NULL,
    flags INTEGER NOT NULL,
    PRIMARY KEY (match_id, player, seq, dart)
) WITHOUT ROWID;
)sql";

constexpr std::array<const char*, kSchemaVersion> kSteps{kVersion1};

bool exec(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool readVersion(sqlite3* db, int& version)
{
    sqlite3_stmt* s = nullptr;
    bool ok =
        sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW;
    if (ok)
        version = sqlite3_column_int(s, 0);
    sqlite3_finalize(s);
    return ok;
}

std::uint32_t bigEndian(const unsigned char* p, int n)
{
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v = v << 8 | p[i];
    return v;
}

bool holdsSomething(const std::string& path)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return !ec && size > 0;
}

} // namespace

std::span<const char* const> migrations()
{
    return kSteps;
}

Failure lastFailure(sqlite3* db)
{
    Failure f{sqlite3_extended_errcode(db), sqlite3_system_errno(db)};
    const int primary = f.code & 0xFF;
    if (f.sysErrno == 0 && (primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN || primary == SQLITE_FULL))
        f.sysErrno = errno;
    return f;
}

std::string describe(const Failure& f, Doing doing)
{
    const int primary = f.code & 0xFF;
    const bool systemSaid = primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN;
    const int e = systemSaid ? f.sysErrno : 0;
    const std::string cannotWrite = "The match records cannot be written (";
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        return "The match records are in use by another copy of the game.";
    if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB)
        return kDamaged;
    if (primary == SQLITE_FULL || e == ENOSPC || e == EFBIG
#ifdef EDQUOT
        || e == EDQUOT
#endif
    )
        return cannotWrite + "the disk is full).";
    if (primary == SQLITE_READONLY || e == EACCES || e == EPERM || e == EROFS)
        return kReadOnly;
    const std::string cannot = doing == Doing::Writing   ? cannotWrite
                               : doing == Doing::Reading ? "The match records cannot be read ("
                                                         : "The match records cannot be opened (";
    if (primary == SQLITE_CANTOPEN)
        return cannot + "the file cannot be opened).";
    return cannot + sqlite3_errstr(f.code) + ").";
}

bool migrate(sqlite3* db, std::span<const char* const> steps, Failure& failed)
{
    int version = 0;
    if (!readVersion(db, version)) {
        failed = lastFailure(db);
        return false;
    }
    for (int v = version; v < static_cast<int>(steps.size()); ++v) {
        const std::string bump = "PRAGMA user_version = " + std::to_string(v + 1);
        if (!exec(db, "BEGIN IMMEDIATE") || !exec(db, steps[static_cast<std::size_t>(v)]) || !exec(db, bump.c_str()) ||
            !exec(db, "COMMIT")) {
            failed = lastFailure(db);
            if (!sqlite3_get_autocommit(db))
                exec(db, "ROLLBACK");
            return false;
        }
    }
    return true;
}

FileHeader readHeader(const std::string& path)
{
    FileHeader header;
    std::ifstream in(path, std::ios::binary);
    unsigned char h[100] = {};
    if (!in.read(reinterpret_cast<char*>(h), sizeof h))
        return header; // empty or tiny: SQLite tells what it is
    if (std::string_view(reinterpret_cast<const char*>(h), 16) != std::string_view("SQLite format 3\0", 16))
        return header;
    header.userVersion = static_cast<int>(bigEndian(h + 60, 4));
    if (holdsSomething(path + "-wal") || holdsSomething(path + "-journal"))
        return header;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    std::uint32_t pageSize = bigEndian(h + 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    const std::uint32_t changes = bigEndian(h + 24, 4);
    const std::uint32_t pages = bigEndian(h + 28, 4);
    const std::uint32_t validFor = bigEndian(h + 92, 4);
    // The page count is only kept by writers since 3.7.0, who mark it so.
    header.truncated = !ec && validFor == changes && pages > 0 && static_cast<std::uintmax_t>(pages) * pageSize > size;
    return header;
}

} // namespace vantorelle::store
