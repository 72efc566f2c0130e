/* Reference timings with GMP's mpz for the roots of roots_bench.cpp: decimal
   text in, the root of the scaled whole number (x * 10^16 for the square
   root, x * 10^24 for the cube root) by mpz_sqrt / mpz_root, the root written
   back as text with 8 decimals (conversions included), on the same operands
   (roots_inputs.h). Prints "name milliseconds" lines: the median of 3 runs of
   a batch sized to take at least 0.2 s, in processor time (the machine may
   be shared). Build: cc -O2 roots_gmp_ref.c -lgmp */
#include "roots_inputs.h"

#include "ref_timing.h"

#include <gmp.h>
#include <stdio.h>
#include <time.h>

static char* g_x;
static char* g_out;

/* v * 10^-8 as text: 8 decimals, trailing zeros and a bare point dropped. */
static void write_root(const mpz_t v)
{
    free(g_out);
    char* s = mpz_get_str(NULL, 10, v);
    size_t n = strlen(s);
    g_out = malloc(n + 12);
    if (n > 8) {
        memcpy(g_out, s, n - 8);
        g_out[n - 8] = '.';
        strcpy(g_out + n - 7, s + n - 8);
    } else {
        g_out[0] = '.';
        memset(g_out + 1, '0', 8 - n);
        strcpy(g_out + 9 - n, s);
    }
    size_t len = strlen(g_out);
    while (len > 0 && g_out[len - 1] == '0')
        g_out[--len] = '\0';
    if (len > 0 && g_out[len - 1] == '.')
        g_out[--len] = '\0';
    free(s);
}

static void root(unsigned k)
{
    mpz_t x, p;
    mpz_inits(x, p, NULL);
    mpz_set_str(x, g_x, 10);
    mpz_ui_pow_ui(p, 10, 8 * k);
    mpz_mul(x, x, p);
    if (k == 2)
        mpz_sqrt(x, x);
    else
        mpz_root(x, x, k);
    write_root(x);
    mpz_clears(x, p, NULL);
}

static void op_sqrt(void) { root(2); }
static void op_cbrt(void) { root(3); }

static double time_op(void (*op)(void)) { return ref_seconds_per_call(op, CLOCK_PROCESS_CPUTIME_ID) * 1e3; }

int main(void)
{
    for (size_t n = 1000; n <= 1000000; n *= 10) {
        char name[64];
        g_x = roots_number(n, ROOTS_SEED_SQRT);
        snprintf(name, sizeof name, "BM_SquareRoot/%zu", n);
        printf("%s %.4f\n", name, time_op(op_sqrt));
        free(g_x);
        g_x = roots_number(n, ROOTS_SEED_CBRT);
        snprintf(name, sizeof name, "BM_CubeRoot/%zu", n);
        printf("%s %.4f\n", name, time_op(op_cbrt));
        free(g_x);
        fflush(stdout);
    }
    free(g_out);
    return 0;
}
