#include "platform/matchstore.h"

#include <sqlite3.h>

#include <cerrno>
#include <filesystem>

#include "platform/sqlitestatement.h"
#include "platform/storerows.h"
#include "platform/storeschema.h"
#include "rules/career/roster.h"

namespace vantorelle {

using namespace records;
using store::Statement;

namespace {

// Long enough for another copy of the game to finish writing a turn, short
// enough never to hold up the window.
constexpr int kBusyMilliseconds = 10;
// Pages the WAL may hold before SQLite writes it through by itself; the store
// does so whenever a match ends, so this is a backstop that keeps the wait
// for the disk out of the turns of a match.
constexpr int kWalPages = 10000;

bool exec(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// The reason a record was refused, for the player.
std::string refusal(const std::string& why)
{
    return "The match cannot be recorded (" + why + ").";
}

} // namespace

// What went wrong inside a transaction.
struct MatchStore::Trouble {
    store::Failure failure; // from SQLite
    std::string refused;    // or the store's own refusal
};

namespace {

std::optional<MatchStore::Trouble> sqliteTrouble(sqlite3* db)
{
    return MatchStore::Trouble{store::lastFailure(db), {}};
}

std::optional<MatchStore::Trouble> refused(const std::string& why)
{
    return MatchStore::Trouble{{}, refusal(why)};
}

} // namespace

MatchStore::MatchStore() = default;

MatchStore::~MatchStore()
{
    close();
}

int MatchStore::schemaVersion()
{
    return store::kSchemaVersion;
}

void MatchStore::close()
{
    m_cache.reset();
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_problem.clear();
}

StoreResult MatchStore::open(const std::string& path)
{
    close();
    const store::FileHeader header = store::readHeader(path);
    if (header.truncated)
        return StoreResult::failed(store::kDamaged);
    if (header.userVersion > store::kSchemaVersion)
        return StoreResult::failed(store::kNewerFile);
    sqlite3* db = nullptr;
    errno = 0;
    const int rc =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    auto fail = [&](std::string why) {
        sqlite3_close_v2(db);
        return StoreResult::failed(std::move(why));
    };
    if (rc != SQLITE_OK) {
        // Making a new file in a folder that cannot be written leaves no errno to tell it by.
        std::error_code ec;
        const std::filesystem::path file(path);
        if ((rc & 0xFF) == SQLITE_CANTOPEN && !std::filesystem::exists(file, ec) &&
            std::filesystem::is_directory(file.parent_path().empty() ? "." : file.parent_path(), ec))
            return fail(store::kReadOnly);
        return fail(store::describe(store::lastFailure(db), store::Doing::Opening));
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, kBusyMilliseconds);
    // Until the file is known to be ours and of a version we know, closing it
    // must not write the WAL into it.
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);

    sqlite3_stmt* s = nullptr;
    int version = -1;
    int tables = 0;
    if (sqlite3_prepare_v2(db, "SELECT (SELECT user_version FROM pragma_user_version), count(*) FROM sqlite_master", -1,
                           &s, nullptr) == SQLITE_OK &&
        sqlite3_step(s) == SQLITE_ROW) {
        version = sqlite3_column_int(s, 0);
        tables = sqlite3_column_int(s, 1);
    }
    const store::Failure readFailed = store::lastFailure(db);
    sqlite3_finalize(s);
    if (version < 0)
        return fail(store::describe(readFailed, store::Doing::Opening));
    if (version > store::kSchemaVersion)
        return fail(store::kNewerFile);
    if (version == 0 && tables > 0)
        return fail(store::kNotRecords);
    if (sqlite3_db_readonly(db, "main") == 1)
        return fail(store::kReadOnly);

    store::Failure failed;
    if (!exec(db, "PRAGMA journal_mode = WAL") || !exec(db, "PRAGMA synchronous = NORMAL") ||
        !exec(db, ("PRAGMA wal_autocheckpoint = " + std::to_string(kWalPages)).c_str()) ||
        !exec(db, "PRAGMA journal_size_limit = 4194304"))
        return fail(store::describe(store::lastFailure(db), store::Doing::Writing));
    if (!store::migrate(db, store::migrations(), failed))
        return fail(store::describe(failed, store::Doing::Writing));
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    m_db = db;
    m_cache = std::make_unique<store::StatementCache>(db);
    return {};
}

StoreResult MatchStore::refuse(std::string why)
{
    if (m_problem.empty())
        m_problem = std::move(why);
    return StoreResult::failed(m_problem);
}

template <class F> StoreResult MatchStore::write(F&& body)
{
    if (!m_db)
        return StoreResult::failed(store::kNotOpen);
    if (!m_problem.empty())
        return StoreResult::failed(m_problem);
    std::optional<Trouble> trouble;
    errno = 0;
    if (!exec(m_db, "BEGIN IMMEDIATE"))
        trouble = sqliteTrouble(m_db);
    else if (!(trouble = body()) && !exec(m_db, "COMMIT"))
        trouble = sqliteTrouble(m_db);
    if (!trouble)
        return {};
    if (!sqlite3_get_autocommit(m_db))
        exec(m_db, "ROLLBACK");
    return refuse(trouble->refused.empty() ? store::describe(trouble->failure, store::Doing::Writing)
                                           : trouble->refused);
}

Loaded<std::int64_t> MatchStore::beginMatch(const MatchRecord& match)
{
    Loaded<std::int64_t> id;
    if (auto bad = checkMatch(match)) {
        id.result = m_db ? refuse(refusal(*bad)) : StoreResult::failed(store::kNotOpen);
        return id;
    }
    id.result = write([&]() -> std::optional<Trouble> {
        Statement m = m_cache->get("INSERT INTO matches (started, kind, game, sets_to_win, legs_to_win, "
                                   "career_player, tournament_no, tournament, stage) VALUES (?1, ?2, ?3, ?4, ?5, ?6, "
                                   "?7, ?8, ?9)");
        m.bind(1, match.started).bind(2, static_cast<int>(match.kind)).bind(3, match.game);
        m.bind(4, match.setsToWin).bind(5, match.legsToWin);
        if (match.career)
            m.bind(6, match.career->player)
                .bind(7, match.career->tournamentNo)
                .bind(8, match.career->tournament)
                .bind(9, match.career->stage);
        if (!m.run())
            return sqliteTrouble(m_db);
        id.value = sqlite3_last_insert_rowid(m_db);
        for (int p = 1; p <= 2; ++p) {
            const RecordPlayer& player = match.player(p);
            if (player.name.empty())
                continue;
            Statement s = m_cache->get("INSERT INTO players (match_id, player, name, name_key, kind, computer_class) "
                                       "VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
            s.bind(1, id.value).bind(2, p).bind(3, player.name).bind(4, upperCase(player.name));
            s.bind(5, static_cast<int>(player.kind)).bind(6, player.computerClass);
            if (!s.run())
                return sqliteTrouble(m_db);
        }
        return std::nullopt;
    });
    return id;
}

std::optional<Outcome> MatchStore::outcomeOf(std::int64_t matchId, bool& failed)
{
    Statement s = m_cache->get("SELECT outcome FROM matches WHERE id = ?1");
    s.bind(1, matchId);
    const int rc = s.step();
    failed = rc != SQLITE_ROW && rc != SQLITE_DONE;
    if (rc != SQLITE_ROW)
        return std::nullopt;
    return static_cast<Outcome>(s.i32(0));
}

std::optional<MatchStore::Trouble> MatchStore::insertTurn(std::int64_t matchId, const TurnRecord& turn, bool complete)
{
    bool failed = false;
    const auto outcome = outcomeOf(matchId, failed);
    if (failed)
        return sqliteTrouble(m_db);
    if (outcome != Outcome::Playing)
        return refused("the match is not being played");
    std::int64_t seq = 0;
    {
        Statement s = m_cache->get("SELECT coalesce(max(seq) + 1, 0) FROM turns WHERE match_id = ?1");
        s.bind(1, matchId);
        if (s.step() != SQLITE_ROW)
            return sqliteTrouble(m_db);
        seq = s.i64(0);
    }
    Statement t = m_cache->get("INSERT INTO turns (match_id, seq, player, set_no, leg_no, turn_no, remaining_before, "
                               "score, darts, darts_at_double, flags) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, "
                               "?10, ?11)");
    const int flags = (turn.bust ? store::kTurnBust : 0) | (turn.checkout ? store::kTurnCheckout : 0) |
                      (turn.typed ? store::kTurnTyped : 0) | (complete ? 0 : store::kTurnIncomplete);
    t.bind(1, matchId).bind(2, seq).bind(3, turn.key.player).bind(4, turn.key.set).bind(5, turn.key.leg);
    t.bind(6, turn.key.turn).bind(7, turn.remainingBefore).bind(8, turn.score).bind(9, turn.darts);
    t.bind(10, turn.dartsAtDouble).bind(11, flags);
    if (!t.run())
        return sqliteTrouble(m_db);
    for (const DartRecord& d : turn.dartList) {
        Statement s = m_cache->get("INSERT INTO darts (match_id, player, seq, dart, aim_x, aim_y, aim_bed, x, y, bed, "
                                   "points, remaining_before, remaining_after, flags) VALUES (?1, ?2, ?3, ?4, ?5, ?6, "
                                   "?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14)");
        const int f = (d.bust ? store::kDartBust : 0) | (d.atDouble ? store::kDartAtDouble : 0) |
                      (d.checkout ? store::kDartCheckout : 0) | (d.bounceOut ? store::kDartBounceOut : 0) |
                      (d.aimed ? store::kDartAimed : 0);
        s.bind(1, matchId).bind(2, turn.key.player).bind(3, seq).bind(4, d.number);
        if (d.aimed)
            s.bind(5, d.aimX).bind(6, d.aimY);
        s.bind(7, d.aimBed).bind(8, d.x).bind(9, d.y).bind(10, d.bed).bind(11, d.points);
        s.bind(12, d.remainingBefore).bind(13, d.remainingAfter).bind(14, f);
        if (!s.run())
            return sqliteTrouble(m_db);
    }
    return std::nullopt;
}

StoreResult MatchStore::addTurn(std::int64_t matchId, const TurnRecord& turn)
{
    if (auto bad = checkTurn(turn))
        return m_db ? refuse(refusal(*bad)) : StoreResult::failed(store::kNotOpen);
    return write([&] { return insertTurn(matchId, turn, turn.complete); });
}

// The figures of both players from the turns as stored, beside the match.
std::optional<MatchStore::Trouble> MatchStore::storeFigures(std::int64_t matchId, bool clear)
{
    const auto loaded = clear ? Loaded<MatchRecord>{} : match(matchId);
    if (!clear && !loaded)
        return sqliteTrouble(m_db);
    std::vector<TurnRecord> turns;
    if (!clear && !store::readTurns(*m_cache, matchId, turns))
        return sqliteTrouble(m_db);
    static const std::string sql = std::string("UPDATE players SET ") + store::figuresAssignments() +
                                   ", has_figures = ?" + std::to_string(store::figureParameters() + 1) +
                                   " WHERE match_id = ?" + std::to_string(store::figureParameters() + 2) +
                                   " AND player = ?" + std::to_string(store::figureParameters() + 3);
    for (int p = 1; p <= 2; ++p) {
        const PlayerFigures f = clear ? PlayerFigures{} : figuresFor(loaded.value, turns, p);
        Statement s = m_cache->get(sql.c_str());
        store::bindFigures(s, 1, f, clear ? 0 : startScore(loaded.value.game));
        const int n = store::figureParameters();
        s.bind(n + 1, clear ? 0 : 1).bind(n + 2, matchId).bind(n + 3, p);
        if (!s.run())
            return sqliteTrouble(m_db);
    }
    return std::nullopt;
}

std::optional<MatchStore::Trouble> MatchStore::endMatch(std::int64_t matchId, Outcome outcome, const MatchEnd& end)
{
    Statement m = m_cache->get("UPDATE matches SET outcome = ?2, ended = ?3, winner = ?4, practice_result = ?5 "
                               "WHERE id = ?1");
    m.bind(1, matchId).bind(2, static_cast<int>(outcome)).bind(3, end.ended).bind(4, end.winner);
    if (end.practiceResult)
        m.bind(5, *end.practiceResult);
    if (!m.run())
        return sqliteTrouble(m_db);
    for (int p = 1; p <= 2; ++p) {
        Statement s = m_cache->get("UPDATE players SET sets = ?3, legs = ?4 WHERE match_id = ?1 AND player = ?2");
        const auto i = static_cast<std::size_t>(p - 1);
        s.bind(1, matchId).bind(2, p).bind(3, end.sets[i]).bind(4, end.legs[i]);
        if (!s.run())
            return sqliteTrouble(m_db);
    }
    return storeFigures(matchId, outcome == Outcome::Playing);
}

StoreResult MatchStore::finishMatch(std::int64_t matchId, const MatchEnd& end)
{
    const bool sound = end.winner >= 0 && end.winner <= 2 && end.ended >= 0 &&
                       (!end.practiceResult || *end.practiceResult == *end.practiceResult) && end.sets[0] >= 0 &&
                       end.sets[1] >= 0 && end.legs[0] >= 0 && end.legs[1] >= 0;
    if (!sound)
        return m_db ? refuse(refusal("the match's end is out of range")) : StoreResult::failed(store::kNotOpen);
    const StoreResult r = write([&]() -> std::optional<Trouble> {
        bool failed = false;
        const auto outcome = outcomeOf(matchId, failed);
        if (failed)
            return sqliteTrouble(m_db);
        if (outcome != Outcome::Playing)
            return refused("the match is not being played");
        return endMatch(matchId, Outcome::Finished, end);
    });
    if (m_checkpointAtEnds)
        checkpoint();
    return r;
}

StoreResult MatchStore::abandonMatch(std::int64_t matchId, std::int64_t ended, const TurnRecord* inProgress,
                                     std::array<int, 2> sets, std::array<int, 2> legs)
{
    if (inProgress)
        if (auto bad = checkTurn(*inProgress))
            return m_db ? refuse(refusal(*bad)) : StoreResult::failed(store::kNotOpen);
    const StoreResult r = write([&]() -> std::optional<Trouble> {
        if (inProgress)
            if (auto trouble = insertTurn(matchId, *inProgress, false))
                return trouble;
        bool failed = false;
        const auto outcome = outcomeOf(matchId, failed);
        if (failed)
            return sqliteTrouble(m_db);
        if (outcome != Outcome::Playing)
            return refused("the match is not being played");
        return endMatch(matchId, Outcome::Abandoned, {ended, 0, sets, legs, std::nullopt});
    });
    if (m_checkpointAtEnds)
        checkpoint();
    return r;
}

StoreResult MatchStore::abandonInterrupted(std::int64_t now)
{
    const StoreResult r = write([&]() -> std::optional<Trouble> {
        std::vector<MatchRecord> left;
        {
            static const std::string sql =
                "SELECT " + store::matchSelectList() + store::matchJoins() + " WHERE m.outcome = 0 ORDER BY m.id";
            Statement s = m_cache->get(sql.c_str());
            int rc;
            while ((rc = s.step()) == SQLITE_ROW) {
                left.emplace_back();
                store::readMatch(s, 0, left.back());
            }
            if (rc != SQLITE_DONE)
                return sqliteTrouble(m_db);
        }
        for (const MatchRecord& m : left)
            if (auto trouble = endMatch(m.id, Outcome::Abandoned, {now, 0, m.sets, m.legs, std::nullopt}))
                return trouble;
        return std::nullopt;
    });
    checkpoint();
    return r;
}

std::optional<MatchStore::Trouble> MatchStore::takeBackFrom(std::int64_t matchId, std::optional<std::int64_t> seq)
{
    bool failed = false;
    const auto outcome = outcomeOf(matchId, failed);
    if (failed)
        return sqliteTrouble(m_db);
    if (outcome != Outcome::Playing && outcome != Outcome::Finished)
        return refused("the match is not being played");
    if (!seq)
        return refused("there is no such turn to take back");
    for (const char* sql : {"DELETE FROM darts WHERE match_id = ?1 AND seq >= ?2",
                            "DELETE FROM turns WHERE match_id = ?1 AND seq >= ?2"}) {
        Statement s = m_cache->get(sql);
        s.bind(1, matchId).bind(2, *seq);
        if (!s.run())
            return sqliteTrouble(m_db);
    }
    // A match the turn had finished is being played again.
    if (outcome == Outcome::Finished)
        return endMatch(matchId, Outcome::Playing, {});
    return std::nullopt;
}

StoreResult MatchStore::takeBackLastTurn(std::int64_t matchId)
{
    return write([&]() -> std::optional<Trouble> {
        Statement s = m_cache->get("SELECT max(seq) FROM turns WHERE match_id = ?1");
        s.bind(1, matchId);
        if (s.step() != SQLITE_ROW)
            return sqliteTrouble(m_db);
        return takeBackFrom(matchId, s.isNull(0) ? std::nullopt : std::optional<std::int64_t>(s.i64(0)));
    });
}

StoreResult MatchStore::takeBackTurnsFrom(std::int64_t matchId, const TurnKey& from)
{
    return write([&]() -> std::optional<Trouble> {
        Statement s = m_cache->get("SELECT min(seq) FROM turns WHERE match_id = ?1 AND player = ?2 AND set_no = ?3 "
                                   "AND leg_no = ?4 AND turn_no = ?5");
        s.bind(1, matchId).bind(2, from.player).bind(3, from.set).bind(4, from.leg).bind(5, from.turn);
        if (s.step() != SQLITE_ROW)
            return sqliteTrouble(m_db);
        return takeBackFrom(matchId, s.isNull(0) ? std::nullopt : std::optional<std::int64_t>(s.i64(0)));
    });
}

void MatchStore::checkpoint()
{
    // The match's turns reach the file itself: a power cut cannot take an
    // ended match back. A checkpoint that cannot run now runs at the next.
    if (m_db && m_problem.empty())
        sqlite3_wal_checkpoint_v2(m_db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
}

} // namespace vantorelle
