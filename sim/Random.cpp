#include "sim/Random.h"

std::uint32_t CRandom::s_nState = 1;

int CRandom::Next()
{
    s_nState = s_nState * 214013u + 2531011u;   // wraps modulo 2^32
    return static_cast<int>((s_nState >> 16) & 0x7fffu);
}

void CRandom::Restart(std::uint32_t state)
{
    s_nState = state;
}

std::uint32_t CRandom::State()
{
    return s_nState;
}
