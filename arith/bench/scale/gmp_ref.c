/* Reference timings with GMP's mpz, decimal text in and out.
 *
 *   gmp_ref <input dir> <output dir>
 *
 * For each task it reads the operands' decimal text, converts, computes and
 * converts the result back to decimal text, and prints one line
 *   <task> <median seconds> <runs>
 * The result text of the last run is written to <output dir>/<task>.txt so
 * that run.sh can compare it with ours. Times are the process's CPU time,
 * as ours are, so that a busy machine skews both sides alike. Benchmark use
 * only. */
#include <gmp.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static char* slurp(const char* dir, const char* name)
{
    char path[4096];
    snprintf(path, sizeof path, "%s/%s.txt", dir, name);
    FILE* f = fopen(path, "rb");
    if (!f) {
        fprintf(stderr, "cannot read %s\n", path);
        exit(1);
    }
    fseek(f, 0, SEEK_END);
    long n = ftell(f);
    fseek(f, 0, SEEK_SET);
    char* s = malloc((size_t)n + 1);
    size_t got = fread(s, 1, (size_t)n, f);
    fclose(f);
    while (got > 0 && (s[got - 1] == '\n' || s[got - 1] == '\r'))
        got--;
    s[got] = 0;
    return s;
}

static double now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return (double)t.tv_sec + 1e-9 * (double)t.tv_nsec;
}

static int cmpd(const void* a, const void* b)
{
    double x = *(const double*)a, y = *(const double*)b;
    return x < y ? -1 : x > y;
}

enum { kMul, kDiv, kPow, kFac, kAdd, kSub };

/* The digits of a decimal text without its point, and how many followed it. */
static char* digits_of(const char* t, size_t* frac)
{
    size_t n = strlen(t);
    char* d = malloc(n + 1);
    const char* p = strchr(t, '.');
    *frac = p ? n - (size_t)(p - t) - 1 : 0;
    size_t k = 0;
    for (const char* c = t; *c; ++c)
        if (*c != '.')
            d[k++] = *c;
    d[k] = 0;
    return d;
}

/* x = the decimal text t times 10^scale, scale at least its fraction count. */
static void set_scaled(mpz_t x, const char* t, size_t scale)
{
    size_t frac;
    char* d = digits_of(t, &frac);
    mpz_t p;
    mpz_init(p);
    mpz_set_str(x, d, 10);
    mpz_ui_pow_ui(p, 10, scale - frac);
    mpz_mul(x, x, p);
    mpz_clear(p);
    free(d);
}

/* The text of x * 10^-scale with its point put back (x >= 0). */
static char* with_point(const mpz_t x, size_t scale)
{
    char* s = mpz_get_str(NULL, 10, x);
    size_t n = strlen(s);
    size_t whole = n > scale ? n - scale : 0, pad = n > scale ? 0 : scale - n;
    char* r = malloc(n + pad + 3);
    memcpy(r, s, whole);
    r[whole] = '.';
    memset(r + whole + 1, '0', pad);
    memcpy(r + whole + 1 + pad, s + whole, n - whole + 1);
    free(s);
    return r;
}

/* One run of a task; returns the result text (caller frees). */
static char* run(int kind, const char* a, const char* b, unsigned long n)
{
    mpz_t x, y, z;
    mpz_inits(x, y, z, NULL);
    switch (kind) {
    case kMul:
        mpz_set_str(x, a, 10);
        mpz_set_str(y, b, 10);
        mpz_mul(z, x, y);
        break;
    case kDiv: /* floor(a * 10^n / b): the quotient's digits to n places */
        mpz_set_str(x, a, 10);
        mpz_set_str(y, b, 10);
        mpz_ui_pow_ui(z, 10, n);
        mpz_mul(x, x, z);
        mpz_tdiv_q(z, x, y);
        break;
    case kPow: mpz_ui_pow_ui(z, 2, n); break;
    case kFac: mpz_fac_ui(z, n); break;
    case kAdd: /* both at the longer fraction, added, the point put back; */
               /* the inputs make a - b positive */
    case kSub: {
        size_t fa, fb;
        free(digits_of(a, &fa));
        free(digits_of(b, &fb));
        size_t scale = fa > fb ? fa : fb;
        set_scaled(x, a, scale);
        set_scaled(y, b, scale);
        if (kind == kAdd)
            mpz_add(z, x, y);
        else
            mpz_sub(z, x, y);
        char* s = with_point(z, scale);
        mpz_clears(x, y, z, NULL);
        return s;
    }
    }
    char* s = mpz_get_str(NULL, 10, z);
    mpz_clears(x, y, z, NULL);
    return s;
}

static void task(const char* name, int kind, const char* in, const char* out, const char* an, const char* bn,
                 unsigned long n)
{
    char *a = an ? slurp(in, an) : NULL, *b = bn ? slurp(in, bn) : NULL;
    double t[64];
    int runs = 0;
    double total = 0;
    char* s = NULL;
    /* At least 3 runs, more while they take under a second in all. */
    while (runs < 64 && (runs < 3 || total < 1.0)) {
        free(s);
        double t0 = now();
        s = run(kind, a, b, n);
        t[runs] = now() - t0;
        total += t[runs++];
    }
    qsort(t, (size_t)runs, sizeof t[0], cmpd);
    printf("%s %.9f %d\n", name, t[runs / 2], runs);
    fflush(stdout);
    char path[4096];
    snprintf(path, sizeof path, "%s/%s.txt", out, name);
    FILE* f = fopen(path, "wb");
    if (f) {
        fputs(s, f);
        fclose(f);
    }
    free(s);
    free(a);
    free(b);
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: gmp_ref <input dir> <output dir>\n");
        return 2;
    }
    const char *in = argv[1], *out = argv[2];
    task("mul_10000", kMul, in, out, "mul_a_10000", "mul_b_10000", 0);
    task("mul_100000", kMul, in, out, "mul_a_100000", "mul_b_100000", 0);
    task("mul_1000000", kMul, in, out, "mul_a_1000000", "mul_b_1000000", 0);
    task("mul_10000000", kMul, in, out, "mul_a_10000000", "mul_b_10000000", 0);
    task("div_10000", kDiv, in, out, "div_a_10000", "div_b_10000", 10000);
    task("div_100000", kDiv, in, out, "div_a_100000", "div_b_100000", 100000);
    task("div_1000000", kDiv, in, out, "div_a_1000000", "div_b_1000000", 1000000);
    task("add_1000000", kAdd, in, out, "add_a_1000000", "add_b_1000000", 0);
    task("add_10000000", kAdd, in, out, "add_a_10000000", "add_b_10000000", 0);
    task("sub_1000000", kSub, in, out, "add_a_1000000", "add_b_1000000", 0);
    task("sub_10000000", kSub, in, out, "add_a_10000000", "add_b_10000000", 0);
    task("pow2", kPow, in, out, NULL, NULL, 1000000);
    task("fact_100000", kFac, in, out, NULL, NULL, 100000);
    task("fact_1000000", kFac, in, out, NULL, NULL, 1000000);
    return 0;
}
