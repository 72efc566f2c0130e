/* Deterministic operands shared by core_bench.cpp and core_gmp_ref.c, so
   that both sides do exactly the same work. Plain C so that both can use it. */
#ifndef MEGATALLY_CORE_INPUTS_H
#define MEGATALLY_CORE_INPUTS_H

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

/* n pseudo-random decimal digits into out[0..n) (no terminator), first one
   non-zero, from a 64-bit linear congruential generator seeded with seed. */
static inline void core_digits(char* out, size_t n, uint64_t seed)
{
    uint64_t x = seed;
    for (size_t i = 0; i < n; ++i) {
        x = x * 6364136223846793005ULL + 1442695040888963407ULL;
        out[i] = (char)('0' + (int)((x >> 33) % 10));
    }
    if (n > 0 && out[0] == '0')
        out[0] = '7';
}

/* A malloc'ed decimal string: intDigits digits, then "." and fracDigits
   digits when fracDigits > 0. */
static inline char* core_number(size_t intDigits, size_t fracDigits, uint64_t seed)
{
    char* s = (char*)malloc(intDigits + fracDigits + 2);
    core_digits(s, intDigits, seed);
    size_t n = intDigits;
    if (fracDigits > 0) {
        s[n++] = '.';
        core_digits(s + n, fracDigits, seed ^ 0x9E3779B97F4A7C15ULL);
        n += fracDigits;
    }
    s[n] = '\0';
    return s;
}

#endif
