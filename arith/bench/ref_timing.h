/* Timing for the GMP reference programs of the side-by-side scripts: the
 * median of three batches of calls, each batch long enough (about 0.2 s)
 * for the clock to resolve one call. */
#pragma once

#include <time.h>

static double ref_now(clockid_t clock)
{
    struct timespec ts;
    clock_gettime(clock, &ts);
    return ts.tv_sec + ts.tv_nsec * 1e-9;
}

/* Seconds per call of op, measured on clock. */
static double ref_seconds_per_call(void (*op)(void), clockid_t clock)
{
    long batch = 1;
    for (;;) {
        double t0 = ref_now(clock);
        for (long i = 0; i < batch; ++i)
            op();
        double t = ref_now(clock) - t0;
        if (t > 0.2 || batch > (1L << 24))
            break;
        batch *= 2;
    }
    double runs[3];
    for (int r = 0; r < 3; ++r) {
        double t0 = ref_now(clock);
        for (long i = 0; i < batch; ++i)
            op();
        runs[r] = (ref_now(clock) - t0) / batch;
    }
    double lo = runs[0] < runs[1] ? runs[0] : runs[1];
    double hi = runs[0] < runs[1] ? runs[1] : runs[0];
    return runs[2] < lo ? lo : (runs[2] > hi ? hi : runs[2]);
}
