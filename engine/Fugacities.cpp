// Fugacity coefficients and fugacities of every component of a mixture.
#include <cmath>

#include "engine/Globals.h"
#include "engine/Mixture.h"

namespace {

// exp(ln φ), or NaN when that has no finite, non-zero double.
double CoefficientFromLog(double lnPhi) {
  const double phi = std::exp(lnPhi);
  return (std::isfinite(phi) && phi > 0.0) ? phi : std::nan("");
}

}  // namespace

void Engine::Fugacities(const Composition& x, double T, double P, double V) {
  FillConstantTables();
  // The mixing rule's attraction sums are the sums that ln φ needs.
  const mixture::Mixed m = mixture::Mix(x);
  const double amix = m.a, bmix = m.b;
  if (!(P > 0.0) || !(T > 0.0) || !(V > bmix)) {
    Coefficient.fill(1.0);
    Fugacity.fill(0.0);
    return;
  }
  // The logarithms do not depend on the component: work them out once.
  const double z = (P * V) / (R * T);
  const double repulsion = std::log(V / (V - bmix));
  const double lnPlus = std::log((V + bmix) / V);
  const double lnZ = std::log(z);
  const double brt = ((bmix * R) * T) * std::sqrt(T);
  const double bbrt = (((bmix * bmix) * R) * T) * std::sqrt(T);
  const double crossFactor = lnPlus - bmix / (V + bmix);

  const auto& bi = mixture::Parameters().b;
  for (int i = 0; i < ComponentCount; ++i) {
    const double attraction = 2.0 * m.sums[i];  // Σ_j 2 x_j a(j, i)
    double lnPhi = repulsion;
    lnPhi += bi[i] / (V - bmix);
    lnPhi -= attraction * lnPlus / brt;
    lnPhi += (amix * bi[i]) * crossFactor / bbrt;
    lnPhi -= lnZ;
    Coefficient[i] = CoefficientFromLog(lnPhi);
    Fugacity[i] = (x[i] * Coefficient[i]) * P;
  }
}
