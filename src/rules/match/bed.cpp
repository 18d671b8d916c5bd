#include "rules/match/bed.h"

namespace vantorelle {

namespace {
int twoDigits(std::string_view code)
{
    if (code.size() != 3 || code[1] < '0' || code[1] > '9' || code[2] < '0' || code[2] > '9')
        return 0;
    return (code[1] - '0') * 10 + (code[2] - '0');
}
} // namespace

int bedValue(std::string_view code)
{
    const int n = twoDigits(code);
    if (code.empty())
        return 0;
    switch (code[0]) {
    case 'D':
        return n * 2;
    case 'T':
        return n * 3;
    default:
        return n;
    }
}

bool isFinishingBed(std::string_view code)
{
    return (!code.empty() && code[0] == 'D') || code == "S50";
}

std::string makeBed(char ring, int number)
{
    std::string s(1, ring);
    s += static_cast<char>('0' + number / 10);
    s += static_cast<char>('0' + number % 10);
    return s;
}

bool isValidBed(std::string_view code)
{
    if (code == "000" || code == "S25" || code == "S50")
        return true;
    if (code.size() != 3 || (code[0] != 'S' && code[0] != 'D' && code[0] != 'T'))
        return false;
    const int n = twoDigits(code);
    return n >= 1 && n <= 20;
}

} // namespace vantorelle
