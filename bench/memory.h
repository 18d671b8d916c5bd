#pragma once
#include <cstdlib>
#include <fstream>
#include <string>

namespace vantorelle {

// The process's resident size (VmRSS) in kB; -1 when it cannot be read.
inline long residentKb()
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

} // namespace vantorelle
