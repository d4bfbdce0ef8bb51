// A 24-bit linear congruential generator: tiny, fast, and the same on every
// platform and compiler, unlike the standard library's distributions.
#include "output/Toeval.h"

#include <cstdint>

namespace {
constexpr std::uint32_t Begin = 0x50000;
constexpr std::uint32_t Modulus = 1u << 24;
std::uint32_t toestand = Begin;
}

double Rnd()
{
    toestand = (toestand * 0x43FD43FDu + 0xC39EC3u) % Modulus;
    return double(toestand) / Modulus;
}

void RndOpnieuw() { toestand = Begin; }
