#include "arith/detail/Kernels.h"

namespace arith::detail {

void multiplyLimbs(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out)
{
    mulSchoolbook(a, na, b, nb, out);
}

}  // namespace arith::detail
