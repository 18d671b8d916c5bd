// Reading the records for the statistics window, and moving a damaged file
// aside.
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <limits>

#include "platform/matchstore.h"
#include "platform/sqlitestatement.h"
#include "platform/storerows.h"
#include "platform/storeschema.h"
#include "rules/career/roster.h"

namespace vantorelle {

using namespace records;
using store::Statement;

namespace {

// Where a selection starts and how many of the latest it takes (-1: all).
struct Bounds {
    std::int64_t since = std::numeric_limits<std::int64_t>::min();
    int limit = -1;
};

Bounds boundsOf(const Selection& which)
{
    switch (which.period) {
    case Period::LastMatch:
        return {std::numeric_limits<std::int64_t>::min(), 1};
    case Period::Last10:
        return {std::numeric_limits<std::int64_t>::min(), 10};
    case Period::Last30Days:
        return {which.now - 30LL * 24 * 60 * 60, -1};
    case Period::All:
        break;
    }
    return {};
}

// Binds ?1 name, ?2 since, ?3 kind (-1 any), ?4 limit.
void bindSelection(Statement& s, const Selection& which)
{
    const Bounds b = boundsOf(which);
    s.bind(1, upperCase(which.name)).bind(2, b.since);
    s.bind(3, which.kind ? static_cast<int>(*which.kind) : -1).bind(4, b.limit);
}

} // namespace

StoreResult MatchStore::readFailure() const
{
    if (!m_db)
        return StoreResult::failed(store::kNotOpen);
    return StoreResult::failed(store::describe(store::lastFailure(m_db), store::Doing::Reading));
}

Loaded<std::vector<std::string>> MatchStore::playerNames()
{
    Loaded<std::vector<std::string>> names;
    if (!m_db)
        return {{}, StoreResult::failed(store::kNotOpen)};
    // The spelling of a name's latest match (SQLite takes name from the row of max()).
    Statement s = m_cache->get("SELECT name, max(match_id) FROM players GROUP BY name_key ORDER BY name_key");
    int rc;
    while ((rc = s.step()) == SQLITE_ROW)
        names.value.push_back(s.text(0));
    if (rc != SQLITE_DONE)
        names = {{}, readFailure()};
    return names;
}

Loaded<std::vector<MatchRecord>> MatchStore::matches(const Selection& which)
{
    Loaded<std::vector<MatchRecord>> out;
    if (!m_db)
        return {{}, StoreResult::failed(store::kNotOpen)};
    static const std::string sql = "SELECT " + store::matchSelectList() + store::matchJoins() +
                                   " WHERE m.id IN (SELECT match_id FROM players WHERE name_key = ?1)"
                                   " AND m.started >= ?2 AND (?3 < 0 OR m.kind = ?3) ORDER BY m.id DESC LIMIT ?4";
    Statement s = m_cache->get(sql.c_str());
    bindSelection(s, which);
    int rc;
    while ((rc = s.step()) == SQLITE_ROW) {
        out.value.emplace_back();
        store::readMatch(s, 0, out.value.back());
    }
    if (rc != SQLITE_DONE)
        return {{}, readFailure()};
    std::reverse(out.value.begin(), out.value.end());
    return out;
}

Loaded<MatchRecord> MatchStore::match(std::int64_t matchId)
{
    Loaded<MatchRecord> out;
    if (!m_db)
        return {{}, StoreResult::failed(store::kNotOpen)};
    static const std::string sql = "SELECT " + store::matchSelectList() + store::matchJoins() + " WHERE m.id = ?1";
    Statement s = m_cache->get(sql.c_str());
    s.bind(1, matchId);
    const int rc = s.step();
    if (rc == SQLITE_ROW)
        store::readMatch(s, 0, out.value);
    else if (rc == SQLITE_DONE)
        out.result = StoreResult::failed("The match records hold no such match.");
    else
        out.result = readFailure();
    return out;
}

Loaded<std::vector<TurnRecord>> MatchStore::turns(std::int64_t matchId)
{
    Loaded<std::vector<TurnRecord>> out;
    if (!m_db)
        return {{}, StoreResult::failed(store::kNotOpen)};
    if (!store::readTurns(*m_cache, matchId, out.value))
        return {{}, readFailure()};
    return out;
}

Loaded<std::vector<PlayerMatch>> MatchStore::figures(const Selection& which)
{
    Loaded<std::vector<PlayerMatch>> out;
    if (!m_db)
        return {{}, StoreResult::failed(store::kNotOpen)};
    static const std::string sql = "SELECT " + store::matchSelectList() + ", s.player, " + store::figuresSelectList() +
                                   " FROM players s JOIN matches m ON m.id = s.match_id"
                                   " LEFT JOIN players p1 ON p1.match_id = m.id AND p1.player = 1"
                                   " LEFT JOIN players p2 ON p2.match_id = m.id AND p2.player = 2"
                                   " WHERE s.name_key = ?1 AND s.has_figures = 1 AND m.started >= ?2"
                                   " AND (?3 < 0 OR m.kind = ?3) ORDER BY s.match_id DESC, s.player DESC LIMIT ?4";
    Statement s = m_cache->get(sql.c_str());
    bindSelection(s, which);
    int rc;
    const int playerColumn = store::matchColumns();
    while ((rc = s.step()) == SQLITE_ROW) {
        PlayerMatch& row = out.value.emplace_back();
        store::readMatch(s, 0, row.match);
        row.player = s.i32(playerColumn);
        store::readFigures(s, playerColumn + 1, row.figures);
    }
    if (rc != SQLITE_DONE)
        return {{}, readFailure()};
    std::reverse(out.value.begin(), out.value.end());
    return out;
}

Loaded<std::vector<HeatDart>> MatchStore::heatDarts(const Selection& which, std::size_t limit)
{
    Loaded<std::vector<HeatDart>> out;
    if (!m_db)
        return {{}, StoreResult::failed(store::kNotOpen)};
    // The player's side of each selected match, the latest first; then each
    // side's darts backwards along the key, until there are enough.
    std::vector<std::pair<std::int64_t, int>> sides;
    {
        Statement s = m_cache->get("SELECT s.match_id, s.player FROM players s JOIN matches m ON m.id = s.match_id"
                                   " WHERE s.name_key = ?1 AND m.started >= ?2 AND (?3 < 0 OR m.kind = ?3)"
                                   " ORDER BY s.match_id DESC, s.player DESC LIMIT ?4");
        bindSelection(s, which);
        int rc;
        while ((rc = s.step()) == SQLITE_ROW)
            sides.emplace_back(s.i64(0), s.i32(1));
        if (rc != SQLITE_DONE)
            return {{}, readFailure()};
    }
    for (const auto& [matchId, player] : sides) {
        if (out.value.size() >= limit)
            break;
        Statement s = m_cache->get("SELECT x, y, aim_bed FROM darts WHERE match_id = ?1 AND player = ?2"
                                   " ORDER BY seq DESC, dart DESC LIMIT ?3");
        s.bind(1, matchId).bind(2, player).bind(3, static_cast<std::int64_t>(limit - out.value.size()));
        int rc;
        while ((rc = s.step()) == SQLITE_ROW)
            out.value.push_back({s.i32(0), s.i32(1), s.text(2)});
        if (rc != SQLITE_DONE)
            return {{}, readFailure()};
    }
    return out;
}

Loaded<std::string> MatchStore::moveAside(const std::string& path, const std::string& tag)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const char* companions[] = {"", "-wal", "-shm"};
    std::string target;
    for (int n = 1; n < 1000 && target.empty(); ++n) {
        std::string candidate = path + ".damaged-" + tag + (n > 1 ? "-" + std::to_string(n) : "");
        bool free = true;
        for (const char* c : companions)
            free = free && !fs::exists(candidate + c, ec) && !ec;
        if (free)
            target = candidate;
    }
    if (target.empty() || !fs::exists(path, ec))
        return {{}, StoreResult::failed("The match records file could not be moved aside.")};
    // The WAL and shared memory go with the file and keep its name, so that
    // SQLite finds them beside the moved file.
    for (const char* c : {"-wal", "-shm", ""}) {
        if (!fs::exists(path + c, ec))
            continue;
        fs::rename(path + c, target + c, ec);
        if (ec)
            return {{}, StoreResult::failed("The match records file could not be moved aside (" + ec.message() + ").")};
    }
    return {target, {}};
}

} // namespace vantorelle
