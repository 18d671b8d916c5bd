#include "rules/records/csv.h"

#include <charconv>
#include <cstdio>

namespace vantorelle::records {

namespace {

// Days since 1970-01-01 to year, month, day (proleptic Gregorian).
void civilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2 ? 1 : 0;
}

std::string number(double v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

class Line {
public:
    explicit Line(std::string& out) : m_out(out) {}
    ~Line() { m_out += "\r\n"; }
    Line& text(std::string_view s) { return raw(csvField(s)); }
    Line& num(long long v) { return raw(std::to_string(v)); }
    Line& flag(bool v) { return raw(v ? "1" : "0"); }
    Line& raw(std::string_view s)
    {
        if (!m_first)
            m_out += ',';
        m_first = false;
        m_out += s;
        return *this;
    }

private:
    std::string& m_out;
    bool m_first = true;
};

void turnStart(Line& line, const MatchRecord& m, const TurnRecord& t)
{
    line.num(m.id).num(t.key.player).text(m.player(t.key.player).name);
    line.num(t.key.set).num(t.key.leg).num(t.key.turn);
}

} // namespace

std::string csvField(std::string_view text)
{
    std::string field;
    if (!text.empty() && (text[0] == '=' || text[0] == '+' || text[0] == '-' || text[0] == '@'))
        field += '\'';
    field += text;
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

std::string utcText(std::int64_t seconds)
{
    if (seconds == 0)
        return {};
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    std::int64_t y = 0;
    unsigned m = 0, d = 0;
    civilFromDays(days, y, m, d);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04lld-%02u-%02u %02d:%02d:%02d", static_cast<long long>(y), m, d,
                  static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60));
    return buf;
}

std::string matchesCsvHeader()
{
    return "match,started,ended,kind,game,sets_to_win,legs_to_win,player1,player1_kind,player1_class,"
           "player2,player2_kind,player2_class,career_player,tournament_no,tournament,stage,"
           "outcome,winner,sets1,sets2,legs1,legs2,practice_result\r\n";
}

void appendMatchCsv(std::string& out, const MatchRecord& m)
{
    Line line(out);
    line.num(m.id).raw(utcText(m.started)).raw(utcText(m.ended)).raw(wordFor(m.kind)).text(m.game);
    line.num(m.setsToWin).num(m.legsToWin);
    for (const RecordPlayer& p : m.players) {
        line.text(p.name);
        if (p.name.empty())
            line.raw("").raw("");
        else
            line.raw(wordFor(p.kind)).raw(classWord(p.computerClass));
    }
    if (m.career)
        line.text(m.career->player).num(m.career->tournamentNo).text(m.career->tournament).text(m.career->stage);
    else
        line.raw("").raw("").raw("").raw("");
    line.raw(wordFor(m.outcome)).num(m.winner).num(m.sets[0]).num(m.sets[1]).num(m.legs[0]).num(m.legs[1]);
    line.raw(m.practiceResult ? number(*m.practiceResult) : "");
}

std::string turnsCsvHeader()
{
    return "match,player,name,set,leg,turn,remaining_before,score,darts,darts_at_double,"
           "bust,checkout,typed,complete\r\n";
}

void appendTurnsCsv(std::string& out, const MatchRecord& m, std::span<const TurnRecord> turns)
{
    for (const TurnRecord& t : turns) {
        Line line(out);
        turnStart(line, m, t);
        line.num(t.remainingBefore).num(t.score).num(t.darts).num(t.dartsAtDouble);
        line.flag(t.bust).flag(t.checkout).flag(t.typed).flag(t.complete);
    }
}

std::string dartsCsvHeader()
{
    return "match,player,name,set,leg,turn,dart,aimed_x,aimed_y,aimed_bed,x,y,bed,points,"
           "remaining_before,remaining_after,bust,at_double,checkout,bounce_out\r\n";
}

void appendDartsCsv(std::string& out, const MatchRecord& m, std::span<const TurnRecord> turns)
{
    for (const TurnRecord& t : turns) {
        for (const DartRecord& d : t.dartList) {
            Line line(out);
            turnStart(line, m, t);
            line.num(d.number);
            if (d.aimed)
                line.num(d.aimX).num(d.aimY);
            else
                line.raw("").raw("");
            line.text(d.aimBed).num(d.x).num(d.y).text(d.bed).num(d.points);
            line.num(d.remainingBefore).num(d.remainingAfter);
            line.flag(d.bust).flag(d.atDouble).flag(d.checkout).flag(d.bounceOut);
        }
    }
}

} // namespace vantorelle::records
