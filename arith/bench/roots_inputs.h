/* The operands of the root and log benchmarks, shared by roots_bench.cpp and
   roots_gmp_ref.c so that both sides take the same numbers: n pseudo-random
   digits from core_inputs.h, seeded per kind. Plain C so that both can use it. */
#ifndef MEGATALLY_ROOTS_INPUTS_H
#define MEGATALLY_ROOTS_INPUTS_H

#include "core_inputs.h"

enum { ROOTS_SEED_SQRT = 101, ROOTS_SEED_CBRT = 202, ROOTS_SEED_LOG = 303 };

/* A malloc'ed whole number of n digits. */
static inline char* roots_number(size_t n, uint64_t seed) { return core_number(n, 0, seed); }

#endif
