#include "rules/career/rosterrecord.h"

#include <charconv>

#include "rules/app/utf8.h"

namespace vantorelle {

RosterRecord RosterRecord::parse(std::string_view line)
{
    RosterRecord r;
    const LineFields f = splitLine(line);
    for (std::size_t i = 0; i < f.size(); ++i)
        r.field[i] = std::string(f[i]);
    return r;
}

std::string RosterRecord::join() const
{
    std::size_t size = kFields;
    for (const auto& f : field)
        size += f.size();
    std::string s;
    s.reserve(size);
    s += field[0];
    for (int f = 1; f < kFields; ++f) {
        s += ',';
        s += field[static_cast<std::size_t>(f)];
    }
    return s;
}

int RosterRecord::number(int f) const
{
    if (f < 0 || f >= kFields)
        return 0;
    return toNumber(field[static_cast<std::size_t>(f)]);
}

void RosterRecord::setNumber(int f, int value)
{
    if (f >= 0 && f < kFields)
        field[static_cast<std::size_t>(f)] = std::to_string(value);
}

// Both scan by hand: most fields are a few characters long, shorter than a
// library search is worth.
LineFields splitLine(std::string_view line)
{
    LineFields f{};
    std::size_t field = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != ',')
            continue;
        f[field] = line.substr(start, i - start);
        if (++field == f.size())
            return f;
        start = i + 1;
    }
    f[field] = line.substr(start);
    return f;
}

std::string_view fieldView(std::string_view line, int n)
{
    std::size_t start = 0;
    int field = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != ',')
            continue;
        if (field == n)
            return line.substr(start, i - start);
        ++field;
        start = i + 1;
    }
    return field == n ? line.substr(start) : std::string_view{};
}

std::string lineName(std::string_view line)
{
    const auto first = fieldView(line, 1);
    const auto second = fieldView(line, 2);
    if (first.empty() && second.empty())
        return {};
    std::string name;
    name.reserve(first.size() + 1 + second.size());
    name.append(first).append(" ").append(second);
    return name;
}

int toNumber(std::string_view text)
{
    text = trimSpaces(text);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size())
        return 0;
    // No rank or points of the game come near this; a damaged file's huge
    // numbers stay small enough to add up.
    constexpr int kLargest = 100000;
    return value < -kLargest ? -kLargest : value > kLargest ? kLargest : value;
}

std::string_view trimSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

void makeUpper(std::string& text)
{
    for (auto& c : text) {
        if (c & 0x80) { // a letter beyond ASCII: the whole text as the game upper-cases it
            text = upperCase(text);
            return;
        }
        c = asciiUpper(c);
    }
}

bool sameName(std::string_view a, std::string_view b)
{
    // Upper case keeps a name's length in bytes.
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if ((a[i] | b[i]) & 0x80) // from here on letters of other scripts: compare their capitals
            return upperCase(a.substr(i)) == upperCase(b.substr(i));
        if (asciiUpper(a[i]) != asciiUpper(b[i]))
            return false;
    }
    return true;
}

std::uint32_t nameHash(std::string_view name, std::uint32_t from)
{
    // The hash of the name's capitals, as upperCase makes them.
    std::uint32_t h = from;
    auto add = [&h](char c) { h = (h ^ static_cast<unsigned char>(c)) * 16777619u; };
    for (std::size_t pos = 0; pos < name.size();) {
        if (!(name[pos] & 0x80)) {
            add(asciiUpper(name[pos++]));
            continue;
        }
        const std::size_t at = pos;
        if (const auto c = nextCodePoint(name, pos)) {
            std::string capital;
            appendUtf8(capital, upperCaseLetter(*c));
            for (char b : capital)
                add(b);
        } else {
            add(name[at]);
        }
    }
    return h;
}

bool lineHasName(std::string_view line, std::string_view name)
{
    const auto c1 = line.find(',');
    if (c1 == std::string_view::npos)
        return false;
    const auto c2 = line.find(',', c1 + 1);
    if (c2 == std::string_view::npos)
        return false;
    auto c3 = line.find(',', c2 + 1);
    if (c3 == std::string_view::npos)
        c3 = line.size();
    const auto first = line.substr(c1 + 1, c2 - c1 - 1);
    const auto second = line.substr(c2 + 1, c3 - c2 - 1);
    if (name.size() != first.size() + 1 + second.size() || name[first.size()] != ' ')
        return false;
    return sameName(name.substr(0, first.size()), first) && sameName(name.substr(first.size() + 1), second);
}

} // namespace vantorelle
