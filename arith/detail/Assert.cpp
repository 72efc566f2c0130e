#include "arith/detail/Assert.h"

#include <cstdio>
#include <cstdlib>

namespace arith::detail {

void assertFailed(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: arithmetic contract broken: %s\n", file, line, condition);
    std::abort();
}

}  // namespace arith::detail
