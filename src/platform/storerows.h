#pragma once
#include <string>
#include <vector>

#include "platform/sqlitestatement.h"
#include "rules/records/figures.h"
#include "rules/records/record.h"

namespace vantorelle::store {

// Bits of turns.flags and darts.flags.
enum TurnFlag { kTurnBust = 1, kTurnCheckout = 2, kTurnTyped = 4, kTurnIncomplete = 8 };
enum DartFlag { kDartBust = 1, kDartAtDouble = 2, kDartCheckout = 4, kDartBounceOut = 8, kDartAimed = 16 };

// "SET matches = ?1, ... , doubles = ?N" over the figure columns of players,
// binding from parameter 1; figureParameters() of them.
const char* figuresAssignments();
int figureParameters();
void bindFigures(Statement& s, int first, const records::PlayerFigures& f, int bestLegStart);

// "s.matches, ..., s.doubles": figureColumns() columns read by readFigures.
const std::string& figuresSelectList();
int figureColumns();
void readFigures(const Statement& s, int first, records::PlayerFigures& f);

// The columns of a match with its two players (m, p1, p2), matchColumns() of
// them, read by readMatch.
const std::string& matchSelectList();
int matchColumns();
void readMatch(const Statement& s, int first, records::MatchRecord& m);
// "FROM matches m LEFT JOIN players p1 ... LEFT JOIN players p2 ..."
const std::string& matchJoins();

// The turns of a match with their darts, in order; false when reading failed.
bool readTurns(StatementCache& cache, std::int64_t matchId, std::vector<records::TurnRecord>& out);

} // namespace vantorelle::store
