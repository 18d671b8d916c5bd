#include "qt/records/recordsdata.h"

#include <algorithm>
#include <array>
#include <set>

namespace vantorelle {

using namespace records;

namespace {

constexpr std::array kMatchKinds{MatchKind::Exhibition, MatchKind::Career, MatchKind::Network};

// How many of the latest a period takes; 0 for a period of time or all.
std::size_t latestOf(Period period)
{
    switch (period) {
    case Period::LastMatch:
        return 1;
    case Period::Last10:
        return 10;
    case Period::Last30Days:
    case Period::All:
        break;
    }
    return 0;
}

constexpr std::int64_t kThirtyDays = 30LL * 24 * 60 * 60;

bool byPlay(const MatchRecord& a, const MatchRecord& b)
{
    return a.started != b.started ? a.started < b.started : a.id < b.id;
}

// His ended matches of the period, practice left out.
Loaded<std::vector<PlayerMatch>> endedMatches(MatchStore& store, const Selection& which)
{
    const std::size_t latest = latestOf(which.period);
    if (latest == 0) {
        auto all = store.figures({which.name, which.period, which.now, std::nullopt});
        std::erase_if(all.value, [](const PlayerMatch& m) { return m.match.kind == MatchKind::Practice; });
        return all;
    }
    // The store counts practice sessions among the last n; the last n
    // matches are the last n of the three kinds of match together.
    Loaded<std::vector<PlayerMatch>> out;
    for (MatchKind kind : kMatchKinds) {
        auto some = store.figures({which.name, which.period, which.now, kind});
        if (!some)
            return {{}, some.result};
        std::move(some.value.begin(), some.value.end(), std::back_inserter(out.value));
    }
    auto& v = out.value;
    std::sort(v.begin(), v.end(), [](const PlayerMatch& a, const PlayerMatch& b) {
        return a.match.id != b.match.id ? a.match.id < b.match.id : a.player < b.player;
    });
    if (v.size() > latest)
        v.erase(v.begin(), v.end() - static_cast<std::ptrdiff_t>(latest));
    return out;
}

} // namespace

Loaded<RecordsData> loadRecords(MatchStore& store, const Selection& which)
{
    Loaded<RecordsData> out;
    RecordsData& d = out.value;
    auto matches = endedMatches(store, which);
    if (!matches)
        return {{}, matches.result};
    d.matches = std::move(matches.value);
    d.figures = combine(d.matches);
    d.trend = trend(d.matches);
    d.career = careerForm(d.matches, which.name);

    auto sessions = store.matches({which.name, Period::All, which.now, MatchKind::Practice});
    if (!sessions)
        return {{}, sessions.result};
    std::vector<MatchRecord>& all = sessions.value;
    std::erase_if(all, [](const MatchRecord& m) { return m.outcome != Outcome::Finished || !m.practiceResult; });
    std::stable_sort(all.begin(), all.end(), byPlay);
    d.personalBests = personalBests(all);
    if (const std::size_t latest = latestOf(which.period); latest > 0 && all.size() > latest)
        all.erase(all.begin(), all.end() - static_cast<std::ptrdiff_t>(latest));
    if (which.period == Period::Last30Days)
        std::erase_if(all, [&](const MatchRecord& m) { return m.started < which.now - kThirtyDays; });
    d.practiceHistory = practiceHistory(all);
    d.practice = std::move(all);
    return out;
}

Loaded<std::vector<HeatDart>> loadHeatDarts(MatchStore& store, const Selection& which, const RecordsData& data,
                                            std::size_t limit)
{
    Loaded<std::vector<HeatDart>> out;
    if (latestOf(which.period) > 0) {
        for (auto m = data.matches.rbegin(); m != data.matches.rend() && out.value.size() < limit; ++m) {
            const auto turns = store.turns(m->match.id);
            if (!turns)
                return {{}, turns.result};
            for (auto t = turns.value.rbegin(); t != turns.value.rend(); ++t) {
                if (t->key.player != m->player)
                    continue;
                for (auto dart = t->dartList.rbegin(); dart != t->dartList.rend() && out.value.size() < limit; ++dart)
                    out.value.push_back({dart->x, dart->y, dart->aimBed});
            }
        }
        return out;
    }
    std::set<MatchKind> kinds;
    for (const PlayerMatch& m : data.matches)
        kinds.insert(m.match.kind);
    for (MatchKind kind : kinds) {
        auto some = store.heatDarts({which.name, which.period, which.now, kind}, limit);
        if (!some)
            return {{}, some.result};
        if (out.value.empty())
            out.value = std::move(some.value);
        else
            out.value.insert(out.value.end(), some.value.begin(), some.value.end());
    }
    return out;
}

std::vector<MatchRecord> shownRecords(const RecordsData& data)
{
    std::vector<MatchRecord> out;
    std::set<std::int64_t> seen;
    for (const PlayerMatch& m : data.matches)
        if (seen.insert(m.match.id).second)
            out.push_back(m.match);
    for (const MatchRecord& m : data.practice)
        if (seen.insert(m.id).second)
            out.push_back(m);
    return out;
}

} // namespace vantorelle
