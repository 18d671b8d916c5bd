// Writes the computer's aiming table compaim.dat from the board's aim points:
// one record per bed, "code",x,y, lines ended by CR LF.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "rules/match/board.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_compaim OUTPUT\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    for (const auto& code : vantorelle::aimCodes()) {
        const auto p = vantorelle::GetCoords(code);
        out << '"' << code << "\"," << p->x << ',' << p->y << "\r\n";
    }
    return out ? 0 : 1;
}
