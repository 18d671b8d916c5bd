#include "rules/persistence/playereditor.h"

#include <cmath>
#include <charconv>
#include <cstdlib>

#include "rules/app/utf8.h"
#include "rules/career/roster.h"

namespace vantorelle {

namespace {

// ASCII blanks only: in a Latin-1 locale std::isspace takes the byte 0xA0,
// which is also the second half of "à" in UTF-8.
bool isBlankByte(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string trimmed(std::string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && isBlankByte(s[b]))
        ++b;
    while (e > b && isBlankByte(s[e - 1]))
        --e;
    return std::string(s.substr(b, e - b));
}

// Field n of a line, or empty when the line is too short.
std::string field(std::string_view line, int n)
{
    return n < fieldCount(line) ? GetSplit(line, n) : std::string();
}

// A number as the average box may hold it ("60", " 75.4 "), rounded half to even.
std::optional<int> averageValue(std::string_view text)
{
    const std::string t = trimmed(text);
    if (t.empty() || t.size() > 12)
        return std::nullopt;
    // Plain decimal only: no sign, exponent or hexadecimal.
    for (char c : t)
        if (!(c >= '0' && c <= '9') && c != '.')
            return std::nullopt;
    double v = 0;
    const auto [end, err] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (err != std::errc() || end != t.data() + t.size() || !std::isfinite(v) || std::fabs(v) > 32767)
        return std::nullopt;
    return static_cast<int>(std::nearbyint(v));
}

// Windows keeps these names for devices, even with any extension after them:
// "Con. Smith.car" would be the console.
bool isDeviceName(std::string_view name)
{
    std::string base = upperCase(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL")
        return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) && base[3] >= '0' &&
           base[3] <= '9';
}

} // namespace

bool isNationality(std::string_view code)
{
    for (const char* n : kNationalities)
        if (code == n)
            return true;
    return false;
}

std::optional<std::string> nationalityCode(std::string_view typed)
{
    std::string code = upperCase(trimmed(typed));
    if (!isNationality(code))
        return std::nullopt;
    return code;
}

std::string nameBoxText(std::string_view typed)
{
    // Nor anything unprintable, a pasted line break among them.
    std::string out;
    for (char c : typed) {
        const auto u = static_cast<unsigned char>(c);
        if (c != ' ' && c != ',' && u >= 0x20 && u != 0x7F)
            out += c;
    }
    return out;
}

bool isSafeFileStem(std::string_view name)
{
    // Room for ".car.vantorelle-new" within the 255 bytes of a file name.
    if (name.empty() || name.size() > 200)
        return false;
    bool wordStart = true;  // at the start of the text or just after a blank
    bool afterBase = false; // a mark may follow a letter, a digit or a mark
    for (std::size_t pos = 0; pos < name.size();) {
        const auto c = nextCodePoint(name, pos);
        if (!c)
            return false;
        const bool blank = *c == ' ';
        if (blank && (wordStart || pos == name.size()))
            return false; // no leading, trailing or doubled blank
        if (*c == '.' && wordStart)
            return false;
        const bool letter = isNameLetter(*c);
        const bool mark = isCombiningMark(*c);
        if (mark && !afterBase)
            return false;
        if (!(letter || mark || blank || *c == '-' || *c == '\'' || *c == '.'))
            return false;
        afterBase = letter || mark;
        wordStart = blank;
    }
    return !isDeviceName(name);
}

// The editor's name checks, in their order; nothing when both are there.
static const char* missingName(const std::string& first, const std::string& second)
{
    if (first.empty())
        return "First name must be entered.";
    if (second.empty())
        return "Second name must be entered.";
    return nullptr;
}

NewCareerCheck checkNewCareerPlayer(const PlayerEntry& entry, const std::vector<std::string>& rosterLines)
{
    NewCareerCheck out;
    const std::string first = nameBoxText(entry.firstName);
    const std::string second = nameBoxText(entry.secondName);
    const std::string wanted = upperCase(first + " " + second);
    for (const auto& line : rosterLines) {
        if (upperCase(field(line, 1) + " " + field(line, 2)) == wanted) {
            out.error = "Sorry, that name is already taken.";
            return out;
        }
    }
    if (const char* missing = missingName(first, second)) {
        out.error = missing;
        return out;
    }
    if (trimmed(entry.nationality).empty()) {
        out.error = "Nationality must be selected.";
        return out;
    }
    const auto average = averageValue(entry.average);
    if (!average || *average > 100 || *average < 30) {
        out.error = "Average must be between 30 and 100.";
        return out;
    }
    // The code goes into a roster line: one of the eight, nothing else.
    const auto nationality = nationalityCode(entry.nationality);
    if (!nationality) {
        out.error = kNationalityMessage;
        return out;
    }
    // The name becomes the name of the career's files.
    if (!isSafeFileStem(first + " " + second)) {
        out.error = "A name may hold only letters, digits, hyphens, apostrophes and full stops.";
        return out;
    }
    out.firstName = first;
    out.secondName = second;
    out.nationality = *nationality;
    out.careerName = first + " " + second;
    out.playerAverage = *average;
    out.realBoard = entry.realBoard;
    return out;
}

RosterEdit editRosterEntry(const std::vector<std::string>& rosterLines, int index, const PlayerEntry& entry)
{
    RosterEdit out;
    if (index < 1 || index > static_cast<int>(rosterLines.size())) {
        out.error = "There is no such player in the roster.";
        return out;
    }
    const std::string first = nameBoxText(entry.firstName);
    const std::string second = nameBoxText(entry.secondName);
    if (const char* missing = missingName(first, second)) {
        out.error = missing;
        return out;
    }
    const auto nationality = nationalityCode(entry.nationality);
    if (!nationality) {
        out.error = kNationalityMessage;
        return out;
    }
    const std::string& old = rosterLines[static_cast<std::size_t>(index - 1)];
    out.line = std::to_string(index) + "," + first + "," + second + "," + *nationality;
    for (int f = 4; f <= 16; ++f) {
        const std::string points = field(old, f);
        out.line += "," + (points.empty() ? std::string("0") : points);
    }
    return out;
}

PlayerEntry shownEntry(const std::vector<std::string>& rosterLines, int index)
{
    PlayerEntry e;
    if (index < 1 || index > static_cast<int>(rosterLines.size()))
        return e;
    const std::string& line = rosterLines[static_cast<std::size_t>(index - 1)];
    e.firstName = field(line, 1);
    e.secondName = field(line, 2);
    e.nationality = field(line, 3);
    return e;
}

} // namespace vantorelle
