#include "rules/career/roster.h"

#include <stdexcept>

namespace vantorelle {

std::string GetSplit(std::string_view text, int n)
{
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const auto comma = text.find(',', start);
        if (comma == std::string_view::npos)
            throw std::out_of_range("field beyond the last");
        start = comma + 1;
    }
    const auto end = text.find(',', start);
    return std::string(text.substr(start, end == std::string_view::npos ? text.size() - start : end - start));
}

int fieldCount(std::string_view text)
{
    int n = 1;
    for (char c : text)
        if (c == ',')
            ++n;
    return n;
}

static std::string trimmed(std::string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    return std::string(s.substr(b, e - b));
}

RosterLoad readRoster(std::istream& in)
{
    RosterLoad out;
    std::string line;
    if (!std::getline(in, line)) {
        out.error = "the file is empty.";
        return out;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (fieldCount(line) < 2) {
        out.error = "the first line must hold two header fields.";
        return out;
    }
    out.roster.header1 = GetSplit(line, 0);
    out.roster.header2 = GetSplit(line, 1);

    int lineNo = 1;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (trimmed(line).empty())
            continue;
        if (static_cast<int>(out.roster.lines.size()) == RosterFile::kPlayers) {
            out.error = "it holds more than 160 players (line " + std::to_string(lineNo) + ").";
            return out;
        }
        if (fieldCount(line) < RosterFile::kFields) {
            out.error = "line " + std::to_string(lineNo) + " has " + std::to_string(fieldCount(line)) +
                        " fields; every player needs 17.";
            return out;
        }
        out.roster.lines.push_back(line);
    }
    if (static_cast<int>(out.roster.lines.size()) != RosterFile::kPlayers)
        out.error = "it holds " + std::to_string(out.roster.lines.size()) + " players; it must hold 160.";
    return out;
}

std::string writeRoster(const RosterFile& roster)
{
    // A line feed inside an entry would make two lines of one; a carriage
    // return is harmless, since lines are split at line feeds.
    auto put = [](std::string& s, std::string_view line) {
        for (char c : line)
            if (c != '\n')
                s += c;
        s += "\r\n";
    };
    std::string s;
    put(s, roster.header1 + "," + roster.header2);
    for (const auto& line : roster.lines)
        put(s, line);
    return s;
}

std::string rosterName(std::string_view line)
{
    if (fieldCount(line) < 3)
        return {};
    return GetSplit(line, 1) + " " + GetSplit(line, 2);
}

int GetRank(const std::vector<std::string>& lines, std::string_view name)
{
    const std::string wanted = upperCase(name);
    int rank = 0;
    for (const auto& line : lines) {
        if (upperCase(rosterName(line)) != wanted)
            continue;
        try {
            rank = std::stoi(GetSplit(line, 0));
        } catch (const std::exception&) {
            rank = 0;
        }
        if (rank < 0 || rank > 100000)
            rank = 0; // a damaged rank counts as none
    }
    return rank;
}

} // namespace vantorelle
