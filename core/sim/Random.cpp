#include "core/sim/CircuitSet.h"

CCircuitSet& LoneCircuitSet()
{
    static CCircuitSet set;
    return set;
}

int CRandom::Next()
{
    m_nState = m_nState * 214013u + 2531011u;   // wraps modulo 2^32
    return static_cast<int>((m_nState >> 16) & 0x7fffu);
}
