#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "rules/records/charts.h"
#include "rules/records/figures.h"
#include "rules/records/record.h"

struct sqlite3;

namespace vantorelle::store {
class StatementCache;
}

namespace vantorelle {

// How a call to the store went: ok, or a reason in words for the player
// ("The match records cannot be written (the disk is full).").
struct StoreResult {
    bool ok = true;
    std::string message;
    explicit operator bool() const { return ok; }
    static StoreResult failed(std::string why) { return {false, std::move(why)}; }
};

// A value read from the store, or why it could not be read.
template <class T> struct Loaded {
    T value{};
    StoreResult result;
    explicit operator bool() const { return result.ok; }
};

// Which of a player's matches: the last, the last ten, those begun in the
// last thirty days, or all.
enum class Period { LastMatch, Last10, Last30Days, All };

struct Selection {
    std::string name; // compared upper-cased, as the game compares names
    Period period = Period::All;
    std::int64_t now = 0;                   // seconds since 1970, UTC: where the thirty days end
    std::optional<records::MatchKind> kind; // only matches of this kind
};

// The record of every match played on this machine, in one SQLite file
// ("Records.db" in the data folder).
//
// A match is begun (its row), its turns added one whole turn at a time (one
// transaction each), and it is finished or abandoned; its per-player figures
// are then stored beside it, so that the figures of any number of matches
// are a sum of small rows.
//
// The file is in WAL mode with synchronous=NORMAL: a turn costs no wait for
// the disk. A crash of the program loses at most the turn in progress (the
// engine holds it). When a match ends the WAL is synced and written through to
// the file, so a power cut loses at most the turns of the match in progress,
// never a match that has ended (unless another copy of the game was reading
// at that moment, which holds the write-through back until the next end), and
// never damages the file, on a disk that keeps its promises.
//
// Nothing here throws or stops the match: every call says whether it went
// through, and why not in words for the player. After a call that writes has
// failed the store records nothing more until it is opened again, so that a
// match is never recorded with a hole in it. The file is never deleted or
// written over: a damaged file, or one of a newer version, is left as it is.
class MatchStore {
public:
    MatchStore();
    ~MatchStore();
    MatchStore(const MatchStore&) = delete;
    MatchStore& operator=(const MatchStore&) = delete;

    // Opens the file, making it when there is none, and brings it to this
    // program's version. Not ok: nothing will be recorded; message says why.
    // The lock wait is a few milliseconds: another copy of the game writing
    // makes a call fail instead of holding up the window.
    StoreResult open(const std::string& path);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    // Whether matches may be recorded; problem() says why not.
    bool canRecord() const { return m_db != nullptr && m_problem.empty(); }
    const std::string& problem() const { return m_problem; }

    // This program's schema version (PRAGMA user_version).
    static int schemaVersion();

    // --- Recording ---------------------------------------------------------

    // A new match being played; its id. Its outcome is Playing whatever the
    // record says.
    Loaded<std::int64_t> beginMatch(const records::MatchRecord& match);
    // A whole turn with its darts, numbered after the turns before it.
    StoreResult addTurn(std::int64_t matchId, const records::TurnRecord& turn);

    struct MatchEnd {
        std::int64_t ended = 0; // seconds since 1970, UTC
        int winner = 0;         // 1 or 2; 0 for a practice session
        std::array<int, 2> sets{};
        std::array<int, 2> legs{}; // over the whole match
        std::optional<double> practiceResult;
    };
    // The match ended: its outcome and the figures of both players.
    StoreResult finishMatch(std::int64_t matchId, const MatchEnd& end);
    // The match was given up: it keeps what was played, and the turn in
    // progress when one is handed (stored as incomplete).
    StoreResult abandonMatch(std::int64_t matchId, std::int64_t ended, const records::TurnRecord* inProgress = nullptr,
                             std::array<int, 2> sets = {}, std::array<int, 2> legs = {});
    // Matches an earlier run left being played (it stopped without ending
    // them) are recorded as abandoned at 'now'. For start-up, before a match
    // is begun: a match another copy of the game is playing at that moment
    // would be abandoned too, and that copy's next turn refused.
    StoreResult abandonInterrupted(std::int64_t now);

    // Corrections: the last turn of the match is taken back, or this turn and
    // every one recorded after it, in one transaction. The record is then
    // exactly as if they had never been added: a match they had finished is
    // being played again, without its outcome and figures.
    StoreResult takeBackLastTurn(std::int64_t matchId);
    StoreResult takeBackTurnsFrom(std::int64_t matchId, const records::TurnKey& from);

    // --- Reading -------------------------------------------------------------

    // The names of the players that have records, one spelling per name (the
    // latest), in alphabetical order of their upper case.
    Loaded<std::vector<std::string>> playerNames();
    // The player's matches, oldest first; those being played too.
    Loaded<std::vector<records::MatchRecord>> matches(const Selection& which);
    Loaded<records::MatchRecord> match(std::int64_t matchId);
    // The turns of a match in the order they were played, with their darts.
    Loaded<std::vector<records::TurnRecord>> turns(std::int64_t matchId);
    // The stored figures of the player in each selected match that has ended,
    // oldest first; combine() adds them up, trend() and careerForm() read them.
    // The last match and the last ten are the last that have ended.
    Loaded<std::vector<records::PlayerMatch>> figures(const Selection& which);
    // Where the player's darts of the selected matches landed and were aimed,
    // the latest first, at most limit of them.
    Loaded<std::vector<records::HeatDart>> heatDarts(const Selection& which, std::size_t limit = 100000);

    // --- A damaged file ------------------------------------------------------

    // Moves a damaged file aside with its WAL and shared-memory files, to
    // path + ".damaged-" + tag (tag such as "2024-05-01"; "-2", "-3" .. added
    // when that name is taken), so the player keeps it and a new file can be
    // started. Never writes over a file. The new name, or why it failed.
    static Loaded<std::string> moveAside(const std::string& path, const std::string& tag);

    // A match's end writes the log through to the file at once (the
    // default), or leaves that to checkpointNow(), which the game calls when
    // nothing waits on it: the write-through is the one step of recording
    // that waits on the disk.
    void setCheckpointAtEnds(bool atEnds) { m_checkpointAtEnds = atEnds; }
    void checkpointNow() { checkpoint(); }

    // What went wrong inside a write (the store's own business).
    struct Trouble;

private:
    StoreResult refuse(std::string why);
    StoreResult readFailure() const;
    // Runs body in one transaction; trouble rolls it back and stops the recording.
    template <class F> StoreResult write(F&& body);
    std::optional<Trouble> insertTurn(std::int64_t matchId, const records::TurnRecord& turn, bool complete);
    std::optional<Trouble> endMatch(std::int64_t matchId, records::Outcome outcome, const MatchEnd& end);
    std::optional<Trouble> storeFigures(std::int64_t matchId, bool clear);
    std::optional<Trouble> takeBackFrom(std::int64_t matchId, std::optional<std::int64_t> seq);
    std::optional<records::Outcome> outcomeOf(std::int64_t matchId, bool& failed);
    void checkpoint();

    sqlite3* m_db = nullptr;
    std::string m_problem; // why nothing more is recorded; empty while recording
    std::unique_ptr<store::StatementCache> m_cache;
    bool m_checkpointAtEnds = true;
};

} // namespace vantorelle
