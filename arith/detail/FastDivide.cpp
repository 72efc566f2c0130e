#include "arith/detail/Kernels.h"

namespace arith::detail {

void divideLimbs(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r)
{
    divSchoolbook(u, nu, v, nv, q, r);
}

}  // namespace arith::detail
