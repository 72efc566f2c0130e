/* Reference timings with GMP's mpz for the work of core_bench.cpp: decimal
   text in, the operation, decimal text out (conversions included), on the
   same operands. Prints "name microseconds" lines, the median of 3 runs of
   a batch sized to take at least 0.2 s.
   Build: cc -O2 core_gmp_ref.c -lgmp */
#include "core_inputs.h"

#include "ref_timing.h"

#include <gmp.h>
#include <stdio.h>
#include <time.h>

static char* g_a;
static char* g_b;
static char* g_out;

/* Reads a decimal string without sign into v * 10^-scale; scale receives
   the fraction length. */
static void read_decimal(mpz_t v, const char* s, size_t* scale)
{
    const char* point = strchr(s, '.');
    if (!point) {
        mpz_set_str(v, s, 10);
        *scale = 0;
        return;
    }
    size_t n = strlen(s);
    char* digits = malloc(n + 1);
    memcpy(digits, s, (size_t)(point - s));
    memcpy(digits + (point - s), point + 1, n - (size_t)(point - s) - 1);
    digits[n - 1] = '\0';
    mpz_set_str(v, digits, 10);
    *scale = n - (size_t)(point - s) - 1;
    free(digits);
}

/* Writes v * 10^-scale back as text with a point, trailing zeros dropped. */
static void write_decimal(const mpz_t v, size_t scale)
{
    free(g_out);
    char* s = mpz_get_str(NULL, 10, v);
    size_t n = strlen(s);
    g_out = malloc(n + scale + 3);
    if (scale == 0) {
        strcpy(g_out, s);
    } else if (n > scale) {
        memcpy(g_out, s, n - scale);
        g_out[n - scale] = '.';
        strcpy(g_out + n - scale + 1, s + n - scale);
    } else {
        g_out[0] = '.';
        memset(g_out + 1, '0', scale - n);
        strcpy(g_out + 1 + scale - n, s);
    }
    size_t len = strlen(g_out);
    if (scale > 0) {
        while (len > 0 && g_out[len - 1] == '0')
            g_out[--len] = '\0';
        if (len > 0 && g_out[len - 1] == '.')
            g_out[--len] = '\0';
    }
    free(s);
}

static void op_multiply(void)
{
    mpz_t x, y;
    mpz_inits(x, y, NULL);
    mpz_set_str(x, g_a, 10);
    mpz_set_str(y, g_b, 10);
    mpz_mul(x, x, y);
    write_decimal(x, 0);
    mpz_clears(x, y, NULL);
}

static void op_divide(void)
{
    /* Integers, precision 10: floor(a * 10^10 / b), ten places. */
    mpz_t x, y, p;
    mpz_inits(x, y, p, NULL);
    mpz_set_str(x, g_a, 10);
    mpz_set_str(y, g_b, 10);
    mpz_ui_pow_ui(p, 10, 10);
    mpz_mul(x, x, p);
    mpz_tdiv_q(x, x, y);
    write_decimal(x, 10);
    mpz_clears(x, y, p, NULL);
}

static void op_add(void)
{
    mpz_t x, y, p;
    size_t sx, sy;
    mpz_inits(x, y, p, NULL);
    read_decimal(x, g_a, &sx);
    read_decimal(y, g_b, &sy);
    if (sx < sy) {
        mpz_ui_pow_ui(p, 10, sy - sx);
        mpz_mul(x, x, p);
        sx = sy;
    } else if (sy < sx) {
        mpz_ui_pow_ui(p, 10, sx - sy);
        mpz_mul(y, y, p);
    }
    mpz_add(x, x, y);
    write_decimal(x, sx);
    mpz_clears(x, y, p, NULL);
}

static void op_power(void)
{
    mpz_t x;
    mpz_init(x);
    mpz_set_str(x, g_a, 10);
    mpz_pow_ui(x, x, strtoul(g_b, NULL, 10));
    write_decimal(x, 0);
    mpz_clear(x);
}

static double time_op(void (*op)(void)) { return ref_seconds_per_call(op, CLOCK_MONOTONIC) * 1e6; }

static void run(const char* name, char* a, char* b, void (*op)(void))
{
    g_a = a;
    g_b = b;
    printf("%s %.3f\n", name, time_op(op));
    fflush(stdout);
    free(a);
    free(b);
}

int main(void)
{
    run("BM_Multiply/1000", core_number(1000, 0, 1), core_number(1000, 0, 2), op_multiply);
    run("BM_Multiply/10000", core_number(10000, 0, 1), core_number(10000, 0, 2), op_multiply);
    run("BM_Divide20000By10000", core_number(20000, 0, 3), core_number(10000, 0, 4), op_divide);
    run("BM_Add1000000", core_number(600000, 400000, 5), core_number(700000, 300000, 6), op_add);
    char* two = malloc(2);
    strcpy(two, "2");
    char* e = malloc(7);
    strcpy(e, "100000");
    run("BM_Power2To100000", two, e, op_power);
    free(g_out);
    return 0;
}
