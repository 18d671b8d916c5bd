#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/matchstore.h"
#include "rules/records/charts.h"
#include "rules/records/figures.h"

namespace vantorelle {

// What the statistics window shows of one player over one period, read from
// the store in one go. A practice session is not a match: the match figures,
// the trend, the career form and the heat map leave the sessions out, and the
// practice page has them alone. "Last match" and "last 10" count matches
// that have ended, as the store's figures do.
struct RecordsData {
    // His ended matches of the period, oldest first, with his figures in each.
    std::vector<records::PlayerMatch> matches;
    records::PlayerFigures figures; // their sum
    std::vector<records::TrendPoint> trend;
    std::vector<records::TournamentForm> career;
    // His finished practice sessions of the period (the last one, the last
    // ten, thirty days or all), oldest first, and their results by game.
    std::vector<records::MatchRecord> practice;
    std::map<std::string, std::vector<records::PracticeResult>> practiceHistory;
    // The best of each game over every session he ever finished, whatever
    // the period: a personal best does not expire.
    std::map<std::string, records::PracticeResult> personalBests;

    bool empty() const { return matches.empty() && practice.empty(); }
};

// The player's records for the period. Not ok: the store's words for why.
Loaded<RecordsData> loadRecords(MatchStore& store, const Selection& which);

// Where his darts of those matches landed and were aimed. The last match and
// the last ten are read match by match, exactly; longer periods through the
// store's heat map reads, the latest limit darts of each kind of match (a
// match being played counts there).
Loaded<std::vector<records::HeatDart>> loadHeatDarts(MatchStore& store, const Selection& which, const RecordsData& data,
                                                     std::size_t limit = 100000);

// The records the window shows, for export: the matches, then the practice
// sessions, each once.
std::vector<records::MatchRecord> shownRecords(const RecordsData& data);

} // namespace vantorelle
