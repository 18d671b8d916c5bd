#pragma once
#include <optional>
#include <string_view>

namespace vantorelle {

// A colour as red, green and blue.
struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// Every tournament has its look: a colour, a logo and its name on the main
// window. Exhibitions and network matches use the dark "AllBlack", practice
// games the same dark look under a logo of their own.
struct Theme {
    const char* code;
    Rgb colour;
    const char* logo; // picture under flags/ in the application folder
    const char* name; // shown beside the board
};

inline constexpr Theme kThemes[] = {
    {"AllBlack", {1, 0, 0}, "flags/exhibition.gif", "EXHIBITION"},
    {"Practice", {1, 0, 0}, "flags/practice.gif", "PRACTICE"},
    {"EM", {0, 0, 255}, "flags/europeanmasters.gif", "EUROPEAN MASTERS"},
    {"CO", {255, 0, 0}, "flags/canadianopen.gif", "CANADIAN GRAND PRIX"},
    {"EO", {255, 0, 0}, "flags/englishopen.gif", "ENGLISH OPEN"},
    {"AO", {0, 192, 0}, "flags/australianopen.gif", "AUSTRALIAN OPEN"},
    {"WC", {128, 128, 255}, "flags/worldcup.gif", "WORLD CUP"},
    {"WM", {64, 64, 0}, "flags/worldmasters.gif", "WORLD MASTERS"},
    {"DC", {255, 128, 0}, "flags/dutchclassic.gif", "DUTCH CLASSIC"},
    {"BO", {0, 0, 255}, "flags/britishopen.gif", "BRITISH OPEN"},
    {"UA", {0, 0, 128}, "flags/usallcomers.gif", "US ALLCOMERS"},
    {"WCh", {192, 0, 0}, "flags/worldchampionship.gif", "WORLD CHAMPIONSHIP"},
    {"WMp", {0, 255, 255}, "flags/worldmatchplay.gif", "WORLD MATCHPLAY"},
    {"AM", {192, 192, 255}, "flags/asianmasters.gif", "ASIAN MASTERS"},
};

// The theme of a code, compared exactly; none for an unknown code.
std::optional<Theme> themeFor(std::string_view code);

// The background runs from the full colour at the top to black at the
// bottom in n + 1 strokes: stroke k (from the top) has each component
// c * (n - k) / n, rounded half to even.
Rgb gradientStroke(Rgb colour, int k, int n);

// The colour the background paints: the given one, or the remembered one
// when it is "no colour" (all zero).
inline bool isNoColour(Rgb c)
{
    return c.r == 0 && c.g == 0 && c.b == 0;
}

} // namespace vantorelle
