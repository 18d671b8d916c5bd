#pragma once
#include <cstdint>
#include <random>

namespace vantorelle {

// The one random source of a run. Every routine that needs chance draws from
// it in a fixed order, so a seed replays a whole match.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_gen(seed) {}

    // Uniform in [0, 1), 53 bits.
    double uniform() { return static_cast<double>(m_gen() >> 11) * 0x1.0p-53; }

    // Integer part of n·u + base: the usual "pick one of n" of the game.
    int pick(int n, int base = 0) { return static_cast<int>(uniform() * n) + base; }

    void reseed(std::uint64_t seed) { m_gen.seed(seed); }

private:
    std::mt19937_64 m_gen;
};

} // namespace vantorelle
