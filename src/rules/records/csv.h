#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "rules/records/record.h"

namespace vantorelle::records {

// Comma-separated text for spreadsheets: a header line, then one record a
// line, lines ended by CR LF. A field holding a comma, a quote or a line
// break is quoted, its quotes doubled. Names are UTF-8 as recorded; a text
// field that starts with = + - or @ gets a leading ' so that a spreadsheet
// shows it instead of computing it. Dates are UTC, "2024-05-01 19:30:00".
// Written a match at a time, so that a whole store never has to be in memory.

std::string matchesCsvHeader();
// One line for the match.
void appendMatchCsv(std::string& out, const MatchRecord& m);

std::string turnsCsvHeader();
// One line per turn of the match, typed ones included.
void appendTurnsCsv(std::string& out, const MatchRecord& m, std::span<const TurnRecord> turns);

std::string dartsCsvHeader();
// One line per dart of the match (typed turns have none).
void appendDartsCsv(std::string& out, const MatchRecord& m, std::span<const TurnRecord> turns);

// A field as it goes into a line.
std::string csvField(std::string_view text);
// Seconds since 1970 as a UTC date and time; empty for 0.
std::string utcText(std::int64_t seconds);

} // namespace vantorelle::records
