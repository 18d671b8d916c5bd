#pragma once
// What the benchmarks read of the process itself: its memory and its CPU time.
#include <cstdlib>
#include <ctime>
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

// The CPU time the process has used, in seconds.
inline double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

} // namespace vantorelle
