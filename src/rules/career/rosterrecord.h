#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantorelle {

// A roster line taken apart into its 17 fields (rank, first name, second
// name, nationality, total, points of tournaments 1..12). A damaged line with
// fewer fields reads its missing fields as empty, and extra fields are
// dropped, so every rule that rewrites a line writes all 17 back.
struct RosterRecord {
    static constexpr int kFields = 17;
    static constexpr int kTotal = 4;      // the total of the ranking points
    static constexpr int kFirstEvent = 5; // field 4 + n holds tournament n

    std::array<std::string, kFields> field{};

    static RosterRecord parse(std::string_view line);
    std::string join() const;

    std::string name() const { return field[1] + " " + field[2]; }
    int number(int f) const; // the field as a number; 0 when it is not one
    void setNumber(int f, int value);
};

// The 17 fields of a roster line as views into it; missing fields are empty.
using LineFields = std::array<std::string_view, RosterRecord::kFields>;
LineFields splitLine(std::string_view line);

// Field n of a roster line without copying it; empty when the line is shorter.
std::string_view fieldView(std::string_view line, int n);

// "First Second" of a roster line; empty when it has neither name.
std::string lineName(std::string_view line);

// A plain decimal number, or 0 for anything else.
int toNumber(std::string_view text);

// Text without the spaces around it.
std::string_view trimSpaces(std::string_view text);

// A draw slot or roster entry counts as empty when it holds only spaces.
inline bool isBlank(std::string_view text)
{
    return trimSpaces(text).empty();
}

// Names compare in upper case (as upperCase makes it); these do so without
// building new strings while the names are ASCII.
inline char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
void makeUpper(std::string& text);
bool sameName(std::string_view a, std::string_view b);

// A hash of a name that ignores case, to pass over most names in a look-up
// without comparing them. A name in parts hashes like the whole:
// nameHash(b, nameHash(a)) is nameHash(a + b).
std::uint32_t nameHash(std::string_view name, std::uint32_t from = 2166136261u);

// Whether a roster line's "First Second" is that name, without splitting it.
bool lineHasName(std::string_view line, std::string_view name);

} // namespace vantorelle
