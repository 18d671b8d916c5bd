#include "rules/career/rosterrecord.h"

#include <cctype>
#include <charconv>

namespace vantorelle {

RosterRecord RosterRecord::parse(std::string_view line)
{
    RosterRecord r;
    std::size_t start = 0;
    for (int f = 0; f < kFields; ++f) {
        const auto comma = line.find(',', start);
        const auto end = comma == std::string_view::npos ? line.size() : comma;
        r.field[static_cast<std::size_t>(f)] = std::string(line.substr(start, end - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
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

std::string_view fieldView(std::string_view line, int n)
{
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const auto comma = line.find(',', start);
        if (comma == std::string_view::npos)
            return {};
        start = comma + 1;
    }
    const auto end = line.find(',', start);
    return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
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
    return value;
}

std::string_view trimSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

static char upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
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
