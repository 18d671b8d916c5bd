#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vantorelle {

// Every text of the game is UTF-8: names typed by the player, files read and
// written, paths. These helpers read it by characters instead of bytes.

// The character that starts at pos, and pos moved past it. A byte that does
// not start a well-formed character (a stray continuation byte, an overlong
// form, a surrogate, beyond U+10FFFF, cut short) gives nothing, and pos moves
// past that one byte.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& pos);

// Whether the whole text is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

// The character appended to the text as UTF-8.
void appendUtf8(std::string& text, char32_t c);

// A letter or digit of the scripts names are written in: Latin with its
// supplements and extensions, Greek, Cyrillic, Armenian, Hebrew, Arabic, the
// Indic scripts, Thai, Georgian, Hangul, Kana and the CJK ideographs.
bool isNameLetter(char32_t c);

// A combining mark of those scripts (an accent typed after its letter, a
// vowel sign): it belongs to the character before it.
bool isCombiningMark(char32_t c);

// The capital of a letter of ASCII, Latin-1, Latin Extended-A, Greek or
// Cyrillic, one character for one ("ß" has none and stays); any other
// character as it is. A capital is as long in UTF-8 as its small letter, so
// a name upper-cased keeps its length in bytes.
char32_t upperCaseLetter(char32_t c);

// The text in capitals, letter by letter as above; bytes that are not
// well-formed UTF-8 stay as they are. Names are compared this way.
std::string upperCase(std::string_view text);

// Characters as a reader counts them: a combining mark goes with the letter
// before it, and a byte that is not well-formed UTF-8 counts as one.
std::size_t characterCount(std::string_view text);

// The first n characters (counted as above), never cut inside one.
std::string_view firstCharacters(std::string_view text, std::size_t n);

} // namespace vantorelle
