#include "rules/app/utf8.h"

#include <algorithm>
#include <array>

namespace vantorelle {

namespace {

enum class Kind : unsigned char { Other, Letter, Mark };

struct Range {
    char32_t first;
    char32_t last;
    Kind kind;
};

constexpr Kind L = Kind::Letter;
constexpr Kind M = Kind::Mark;

// Letters, digits and combining marks of the scripts names are written in,
// in code-point order. Unassigned points inside a script's letters count as
// its letters; no file system minds them. The Indic scripts share one layout
// and are classified by indicKind below.
// clang-format off
constexpr Range kRanges[] = {
    {0x0030, 0x0039, L}, {0x0041, 0x005A, L}, {0x0061, 0x007A, L}, // ASCII
    {0x00C0, 0x00D6, L}, {0x00D8, 0x00F6, L}, {0x00F8, 0x024F, L}, // Latin-1, Extended-A and -B
    {0x0250, 0x02AF, L},                                           // IPA
    {0x0300, 0x036F, M},                                           // combining diacritics
    {0x0370, 0x0373, L}, {0x0376, 0x0377, L}, {0x037B, 0x037D, L}, // Greek
    {0x037F, 0x037F, L}, {0x0386, 0x0386, L}, {0x0388, 0x038A, L},
    {0x038C, 0x038C, L}, {0x038E, 0x03A1, L}, {0x03A3, 0x03F5, L},
    {0x03F7, 0x0481, L}, {0x0483, 0x0489, M}, {0x048A, 0x052F, L}, // Cyrillic
    {0x0531, 0x0556, L}, {0x0560, 0x0588, L},                      // Armenian
    {0x0591, 0x05BD, M}, {0x05BF, 0x05BF, M}, {0x05C1, 0x05C2, M}, // Hebrew
    {0x05C4, 0x05C5, M}, {0x05C7, 0x05C7, M}, {0x05D0, 0x05EA, L},
    {0x05EF, 0x05F2, L},
    {0x0610, 0x061A, M}, {0x0620, 0x064A, L}, {0x064B, 0x065F, M}, // Arabic
    {0x0660, 0x0669, L}, {0x066E, 0x066F, L}, {0x0670, 0x0670, M},
    {0x0671, 0x06D3, L}, {0x06D5, 0x06D5, L}, {0x06D6, 0x06DC, M},
    {0x06DF, 0x06E4, M}, {0x06E5, 0x06E6, L}, {0x06E7, 0x06E8, M},
    {0x06EA, 0x06ED, M}, {0x06EE, 0x06FC, L}, {0x06FF, 0x06FF, L},
    {0x0750, 0x077F, L},
    {0x0E01, 0x0E30, L}, {0x0E31, 0x0E31, M}, {0x0E32, 0x0E33, L}, // Thai
    {0x0E34, 0x0E3A, M}, {0x0E40, 0x0E46, L}, {0x0E47, 0x0E4E, M},
    {0x0E50, 0x0E59, L},
    {0x10A0, 0x10C5, L}, {0x10C7, 0x10C7, L}, {0x10CD, 0x10CD, L}, // Georgian
    {0x10D0, 0x10FA, L}, {0x10FC, 0x10FF, L},
    {0x1100, 0x11FF, L},                                           // Hangul jamo
    {0x1AB0, 0x1AFF, M},                                           // combining diacritics
    {0x1C80, 0x1C88, L}, {0x1C90, 0x1CBA, L}, {0x1CBD, 0x1CBF, L}, // Cyrillic, Georgian
    {0x1D00, 0x1DBF, L}, {0x1DC0, 0x1DFF, M},                      // Latin, phonetic
    {0x1E00, 0x1EFF, L},                                           // Latin Extended Additional
    {0x1F00, 0x1FBC, L}, {0x1FBE, 0x1FBE, L}, {0x1FC2, 0x1FCC, L}, // Greek Extended
    {0x1FD0, 0x1FDB, L}, {0x1FE0, 0x1FEC, L}, {0x1FF2, 0x1FFC, L},
    {0x20D0, 0x20F0, M},                                           // combining marks for symbols
    {0x2C60, 0x2C7F, L},                                           // Latin Extended-C
    {0x2DE0, 0x2DFF, M},                                           // Cyrillic Extended-A
    {0x3005, 0x3005, L},                                           // ideographic iteration (々)
    {0x3041, 0x3096, L}, {0x3099, 0x309A, M}, {0x309D, 0x309F, L}, // Hiragana
    {0x30A1, 0x30FA, L}, {0x30FC, 0x30FF, L},                      // Katakana
    {0x3131, 0x318E, L},                                           // Hangul compatibility jamo
    {0x31F0, 0x31FF, L},                                           // Katakana extension
    {0x3400, 0x4DBF, L}, {0x4E00, 0x9FFF, L},                      // CJK ideographs
    {0xA640, 0xA66E, L}, {0xA66F, 0xA67D, M}, {0xA67F, 0xA69D, L}, // Cyrillic Extended-B
    {0xA69E, 0xA69F, M},
    {0xA722, 0xA7FF, L},                                           // Latin Extended-D
    {0xAB30, 0xAB5A, L}, {0xAB5C, 0xAB69, L},                      // Latin Extended-E
    {0xAC00, 0xD7A3, L},                                           // Hangul syllables
    {0xF900, 0xFAFF, L},                                           // CJK compatibility ideographs
    {0xFB00, 0xFB06, L}, {0xFB1D, 0xFB1D, L}, {0xFB1E, 0xFB1E, M}, // ligatures, Hebrew
    {0xFB1F, 0xFB28, L}, {0xFB2A, 0xFB4F, L}, {0xFE20, 0xFE2F, M},
    {0xFF10, 0xFF19, L}, {0xFF21, 0xFF3A, L}, {0xFF41, 0xFF5A, L}, // full-width Latin
    {0xFF66, 0xFF9F, L},                                           // half-width Katakana
    {0x20000, 0x2FA1F, L}, {0x30000, 0x323AF, L},                  // CJK ideographs beyond
};
// clang-format on

// Devanagari to Malayalam share one layout, 128 points each: signs at the
// start, letters, vowel signs and the virama, more letters, digits. Sinhala
// has its own.
Kind indicKind(char32_t c)
{
    if (c >= 0x0D80) {
        if (c >= 0x0D81 && c <= 0x0D83)
            return M;
        if (c >= 0x0D85 && c <= 0x0DC6)
            return L;
        if (c >= 0x0DCA && c <= 0x0DDF)
            return M;
        if (c >= 0x0DE6 && c <= 0x0DEF)
            return L;
        if (c >= 0x0DF2 && c <= 0x0DF3)
            return M;
        return Kind::Other;
    }
    const unsigned o = c & 0x7F;
    if (o <= 0x03 || (o >= 0x3A && o <= 0x3C) || (o >= 0x3E && o <= 0x4F) || (o >= 0x51 && o <= 0x57) || o == 0x62 ||
        o == 0x63)
        return M;
    if ((o >= 0x04 && o <= 0x39) || o == 0x3D || o == 0x50 || (o >= 0x58 && o <= 0x61) || (o >= 0x66 && o <= 0x6F))
        return L;
    if (c >= 0x0971 && c <= 0x097F) // Devanagari letters after its digits
        return L;
    return Kind::Other;
}

Kind kindOf(char32_t c)
{
    if (c >= 0x0900 && c <= 0x0DFF)
        return indicKind(c);
    const auto it = std::upper_bound(std::begin(kRanges), std::end(kRanges), c,
                                     [](char32_t v, const Range& r) { return v < r.first; });
    if (it == std::begin(kRanges))
        return Kind::Other;
    const Range& r = *(it - 1);
    return c <= r.last ? r.kind : Kind::Other;
}

// Pairs of capital and small letter on neighbouring points: the capital on
// the even point (or the odd one) throughout the range.
bool inPairs(char32_t c, char32_t first, char32_t last, bool capitalEven)
{
    return c >= first && c <= last && ((c % 2 == 0) != capitalEven);
}

} // namespace

std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char b0 = byte(pos);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int extra = 0;
    char32_t c = 0;
    char32_t lowest = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1, c = b0 & 0x1F, lowest = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2, c = b0 & 0x0F, lowest = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3, c = b0 & 0x07, lowest = 0x10000;
    } else {
        ++pos; // a continuation byte, or a start that is always overlong or too large
        return std::nullopt;
    }
    if (pos + static_cast<std::size_t>(extra) >= text.size()) { // cut short
        ++pos;
        return std::nullopt;
    }
    for (int i = 1; i <= extra; ++i) {
        const unsigned char b = byte(pos + static_cast<std::size_t>(i));
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return std::nullopt;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return std::nullopt;
    }
    pos += static_cast<std::size_t>(extra) + 1;
    return c;
}

bool isValidUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();)
        if (!nextCodePoint(text, pos))
            return false;
    return true;
}

void appendUtf8(std::string& text, char32_t c)
{
    const auto put = [&](unsigned v) { text += static_cast<char>(v); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

bool isNameLetter(char32_t c)
{
    return kindOf(c) == Kind::Letter;
}

bool isCombiningMark(char32_t c)
{
    return kindOf(c) == Kind::Mark;
}

char32_t upperCaseLetter(char32_t c)
{
    if (c < 0x80)
        return c >= 'a' && c <= 'z' ? c - 0x20 : c;
    // Latin-1: à..þ less ÷; ÿ's capital is in Extended-A.
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 0x20;
    if (c == 0xFF)
        return 0x178;
    // Latin Extended-A. The dotless i and the long s keep their letter: their
    // capitals are plain I and S, and a name keeps its length in bytes.
    if (c == 0x131 || c == 0x17F)
        return c;
    if (inPairs(c, 0x100, 0x137, true) || inPairs(c, 0x139, 0x148, false) || inPairs(c, 0x14A, 0x177, true) ||
        inPairs(c, 0x179, 0x17E, false))
        return c - 1;
    // Greek, the accented small letters first; ΐ and ΰ have no one capital.
    if (c == 0x3AC)
        return 0x386;
    if (c >= 0x3AD && c <= 0x3AF)
        return c - 0x25;
    if (c == 0x3C2) // final sigma
        return 0x3A3;
    if ((c >= 0x3B1 && c <= 0x3C1) || (c >= 0x3C3 && c <= 0x3CB))
        return c - 0x20;
    if (c == 0x3CC)
        return 0x38C;
    if (c == 0x3CD || c == 0x3CE)
        return c - 0x3F;
    // Cyrillic.
    if (c >= 0x430 && c <= 0x44F)
        return c - 0x20;
    if (c >= 0x450 && c <= 0x45F)
        return c - 0x50;
    if (c == 0x4CF)
        return 0x4C0;
    if (inPairs(c, 0x460, 0x481, true) || inPairs(c, 0x48A, 0x4BF, true) || inPairs(c, 0x4C1, 0x4CE, false) ||
        inPairs(c, 0x4D0, 0x52F, true))
        return c - 1;
    return c;
}

std::string upperCase(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t at = pos;
        if (const auto c = nextCodePoint(text, pos))
            appendUtf8(s, upperCaseLetter(*c));
        else
            s += text[at];
    }
    return s;
}

std::size_t characterCount(std::string_view text)
{
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const auto c = nextCodePoint(text, pos);
        if (!(n > 0 && c && isCombiningMark(*c)))
            ++n;
    }
    return n;
}

std::string_view firstCharacters(std::string_view text, std::size_t n)
{
    std::size_t counted = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t next = pos;
        const auto c = nextCodePoint(text, next);
        const bool joins = counted > 0 && c && isCombiningMark(*c);
        if (!joins && counted == n)
            return text.substr(0, pos);
        if (!joins)
            ++counted;
        pos = next;
    }
    return text;
}

} // namespace vantorelle
