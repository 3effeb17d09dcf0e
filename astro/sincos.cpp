// Sine and cosine of many arguments; see sincos.h.
#include "astro/sincos.h"

namespace quendal::detail {

// (Not under ThreadSanitizer: the choice runs before its runtime starts.)
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_THREAD__)
__attribute__((target_clones("arch=x86-64-v3", "default")))
#endif
void SinCosArray(const double* x, double* sines, double* cosines, int count) {
#pragma omp simd
  for (int i = 0; i < count; ++i) SinCos(x[i], sines[i], cosines[i]);
}

}  // namespace quendal::detail
