#include "platform/storerows.h"

#include <array>
#include <charconv>
#include <unordered_map>

namespace vantorelle::store {

namespace {

using records::PlayerFigures;

struct FigureColumn {
    const char* name;
    int& (*field)(PlayerFigures&);
};

// The figure columns of players, in the order they are bound and read; the
// best leg and the doubles follow them.
const std::array<FigureColumn, 27> kFigures{{
    {"matches", [](PlayerFigures& f) -> int& { return f.matches; }},
    {"matches_won", [](PlayerFigures& f) -> int& { return f.matchesWon; }},
    {"matches_lost", [](PlayerFigures& f) -> int& { return f.matchesLost; }},
    {"vs0_won", [](PlayerFigures& f) -> int& { return f.vsComputer[0].won; }},
    {"vs0_lost", [](PlayerFigures& f) -> int& { return f.vsComputer[0].lost; }},
    {"vs1_won", [](PlayerFigures& f) -> int& { return f.vsComputer[1].won; }},
    {"vs1_lost", [](PlayerFigures& f) -> int& { return f.vsComputer[1].lost; }},
    {"vs2_won", [](PlayerFigures& f) -> int& { return f.vsComputer[2].won; }},
    {"vs2_lost", [](PlayerFigures& f) -> int& { return f.vsComputer[2].lost; }},
    {"vs3_won", [](PlayerFigures& f) -> int& { return f.vsComputer[3].won; }},
    {"vs3_lost", [](PlayerFigures& f) -> int& { return f.vsComputer[3].lost; }},
    {"darts", [](PlayerFigures& f) -> int& { return f.darts; }},
    {"points", [](PlayerFigures& f) -> int& { return f.points; }},
    {"first9_darts", [](PlayerFigures& f) -> int& { return f.firstNineDarts; }},
    {"first9_points", [](PlayerFigures& f) -> int& { return f.firstNinePoints; }},
    {"legs_won", [](PlayerFigures& f) -> int& { return f.legsWon; }},
    {"legs_lost", [](PlayerFigures& f) -> int& { return f.legsLost; }},
    {"darts_in_legs_won", [](PlayerFigures& f) -> int& { return f.dartsInLegsWon; }},
    {"darts_at_double", [](PlayerFigures& f) -> int& { return f.dartsAtDouble; }},
    {"highest_checkout", [](PlayerFigures& f) -> int& { return f.highestCheckout; }},
    {"turns60", [](PlayerFigures& f) -> int& { return f.turns60; }},
    {"turns100", [](PlayerFigures& f) -> int& { return f.turns100; }},
    {"turns140", [](PlayerFigures& f) -> int& { return f.turns140; }},
    {"turns180", [](PlayerFigures& f) -> int& { return f.turns180; }},
    // One match is of one game, so it has one best leg: its start and darts.
    {"best_leg_start", nullptr},
    {"best_leg_darts", nullptr},
    {"doubles", nullptr},
}};

// "darts hits" of D1..D20 and the bull, space-separated.
std::string doublesText(const PlayerFigures& f)
{
    std::string text;
    for (const auto& d : f.doubles) {
        text += std::to_string(d.darts) + ' ' + std::to_string(d.hits) + ' ';
    }
    return text;
}

void parseDoubles(std::string_view text, PlayerFigures& f)
{
    const char* p = text.data();
    const char* end = p + text.size();
    for (auto& d : f.doubles) {
        for (int* v : {&d.darts, &d.hits}) {
            while (p < end && *p == ' ')
                ++p;
            p = std::from_chars(p, end, *v).ptr;
        }
    }
}

std::string joined(const char* prefix, const char* between)
{
    std::string s;
    for (const FigureColumn& c : kFigures) {
        if (!s.empty())
            s += ", ";
        s += prefix;
        s += c.name;
        s += between;
    }
    return s;
}

} // namespace

const char* figuresAssignments()
{
    static const std::string sql = [] {
        std::string s;
        int i = 1;
        for (const FigureColumn& c : kFigures) {
            if (!s.empty())
                s += ", ";
            s += std::string(c.name) + " = ?" + std::to_string(i++);
        }
        return s;
    }();
    return sql.c_str();
}

int figureParameters()
{
    return static_cast<int>(kFigures.size());
}

void bindFigures(Statement& s, int first, const PlayerFigures& figures, int bestLegStart)
{
    PlayerFigures f = figures;
    int i = first;
    for (const FigureColumn& c : kFigures)
        if (c.field)
            s.bind(i++, c.field(f));
    const auto best = f.bestLegFrom(bestLegStart);
    s.bind(i++, best ? bestLegStart : 0);
    s.bind(i++, best.value_or(0));
    s.bind(i, doublesText(f));
}

const std::string& figuresSelectList()
{
    static const std::string list = joined("s.", "");
    return list;
}

int figureColumns()
{
    return static_cast<int>(kFigures.size());
}

void readFigures(const Statement& s, int first, PlayerFigures& f)
{
    int col = first;
    for (const FigureColumn& c : kFigures)
        if (c.field)
            c.field(f) = s.i32(col++);
    const int start = s.i32(col++);
    const int darts = s.i32(col++);
    if (start > 0 && darts > 0)
        f.bestLeg[start] = darts;
    parseDoubles(s.text(col), f);
}

const std::string& matchSelectList()
{
    static const std::string list =
        "m.id, m.started, m.ended, m.kind, m.game, m.sets_to_win, m.legs_to_win, m.career_player, m.tournament_no, "
        "m.tournament, m.stage, m.outcome, m.winner, m.practice_result, "
        "p1.name, p1.kind, p1.computer_class, p1.sets, p1.legs, p2.name, p2.kind, p2.computer_class, p2.sets, p2.legs";
    return list;
}

int matchColumns()
{
    return 24;
}

const std::string& matchJoins()
{
    static const std::string joins = " FROM matches m LEFT JOIN players p1 ON p1.match_id = m.id AND p1.player = 1"
                                     " LEFT JOIN players p2 ON p2.match_id = m.id AND p2.player = 2";
    return joins;
}

void readMatch(const Statement& s, int c, records::MatchRecord& m)
{
    m.id = s.i64(c);
    m.started = s.i64(c + 1);
    m.ended = s.i64(c + 2);
    m.kind = static_cast<records::MatchKind>(s.i32(c + 3));
    m.game = s.text(c + 4);
    m.setsToWin = s.i32(c + 5);
    m.legsToWin = s.i32(c + 6);
    if (s.isNull(c + 7))
        m.career.reset();
    else
        m.career = records::CareerRound{s.text(c + 7), s.i32(c + 8), s.text(c + 9), s.text(c + 10)};
    m.outcome = static_cast<records::Outcome>(s.i32(c + 11));
    m.winner = s.i32(c + 12);
    if (s.isNull(c + 13))
        m.practiceResult.reset();
    else
        m.practiceResult = s.real(c + 13);
    for (std::size_t p = 0; p < 2; ++p) {
        const int b = c + 14 + static_cast<int>(p) * 5;
        records::RecordPlayer& player = m.players[p];
        player = {};
        m.sets[p] = 0;
        m.legs[p] = 0;
        if (s.isNull(b))
            continue;
        player.name = s.text(b);
        player.kind = static_cast<records::PlayerKind>(s.i32(b + 1));
        player.computerClass = s.i32(b + 2);
        m.sets[p] = s.i32(b + 3);
        m.legs[p] = s.i32(b + 4);
    }
}

bool readTurns(StatementCache& cache, std::int64_t matchId, std::vector<records::TurnRecord>& out)
{
    out.clear();
    std::unordered_map<std::int64_t, std::size_t> bySeq;
    {
        Statement s = cache.get("SELECT seq, player, set_no, leg_no, turn_no, remaining_before, score, darts, "
                                "darts_at_double, flags FROM turns WHERE match_id = ?1 ORDER BY seq");
        s.bind(1, matchId);
        int rc;
        while ((rc = s.step()) == SQLITE_ROW) {
            records::TurnRecord t;
            t.key = {s.i32(1), s.i32(2), s.i32(3), s.i32(4)};
            t.remainingBefore = s.i32(5);
            t.score = s.i32(6);
            t.darts = s.i32(7);
            t.dartsAtDouble = s.i32(8);
            const int flags = s.i32(9);
            t.bust = flags & kTurnBust;
            t.checkout = flags & kTurnCheckout;
            t.typed = flags & kTurnTyped;
            t.complete = !(flags & kTurnIncomplete);
            bySeq.emplace(s.i64(0), out.size());
            out.push_back(std::move(t));
        }
        if (rc != SQLITE_DONE)
            return false;
    }
    Statement s = cache.get("SELECT seq, dart, aim_x, aim_y, aim_bed, x, y, bed, points, remaining_before, "
                            "remaining_after, flags FROM darts WHERE match_id = ?1 ORDER BY seq, dart");
    s.bind(1, matchId);
    int rc;
    while ((rc = s.step()) == SQLITE_ROW) {
        const auto it = bySeq.find(s.i64(0));
        if (it == bySeq.end())
            continue;
        records::DartRecord d;
        d.number = s.i32(1);
        const int flags = s.i32(11);
        d.aimed = flags & kDartAimed;
        d.aimX = s.i32(2);
        d.aimY = s.i32(3);
        d.aimBed = s.text(4);
        d.x = s.i32(5);
        d.y = s.i32(6);
        d.bed = s.text(7);
        d.points = s.i32(8);
        d.remainingBefore = s.i32(9);
        d.remainingAfter = s.i32(10);
        d.bust = flags & kDartBust;
        d.atDouble = flags & kDartAtDouble;
        d.checkout = flags & kDartCheckout;
        d.bounceOut = flags & kDartBounceOut;
        out[it->second].dartList.push_back(std::move(d));
    }
    return rc == SQLITE_DONE;
}

} // namespace vantorelle::store
