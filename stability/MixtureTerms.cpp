#include "stability/MixtureTerms.h"

#include <cmath>

namespace stability {

int MixtureTerms::PresentIndexOf(int k) const {
  for (int c = 0; c < count; ++c)
    if (component[std::size_t(c)] == k) return c;
  return -1;
}

std::optional<MixtureTerms> MixTerms(Engine& engine, const Composition& x) {
  if (!AnyComponentPresent(x)) return std::nullopt;
  MixtureTerms m;
  m.composition = x;
  m.amix = engine.aMixture(x);
  m.bmix = engine.bMixture(x);
  for (int k = 0; k < ComponentCount; ++k) {
    if (!(x[k] > 0.0)) continue;
    const std::size_t c = std::size_t(m.count++);
    m.component[c] = k;
    m.x[c] = x[k];
    m.b[c] = engine.b[k];
  }
  for (int c = 0; c < m.count; ++c) {
    double sum = 0.0;
    for (int d = 0; d < m.count; ++d) {
      const double aij = engine.a[m.component[c]][m.component[d]];
      m.a[c][d] = aij;
      sum += 2.0 * m.x[d] * aij;
    }
    m.S[c] = sum;
  }
  return m;
}

StateTerms StateOf(const MixtureTerms& m, double T, double V) {
  const double b = m.bmix;
  return {V, b, std::sqrt(T), R * T, std::log((V + b) / V)};
}

}  // namespace stability
