#include "stability/Criticality.h"

#include <cmath>
#include <limits>

#include "stability/Determinant.h"
#include "stability/HelmholtzDerivatives.h"

namespace stability {

namespace {

// The relative step of the central differences: far above the rounding of the
// criteria, so that a criterion that is only rounding noise near a point gives
// a Newton step of about this size, not a small one.
constexpr double kDifferenceStep = 1e-4;

// Measured at the points where the search stopped, over several hundred random
// mixtures of 2 to 21 components and checked apart in long double: at true
// critical points the spinodal step stays below 1e-14 and the cubic-form step
// below 1e-12 (the searches stop on relative steps of 1e-13 in T and 1e-10 in
// V); at spurious zeros of det Q* the cubic-form step is 0.1 or more; where a
// trace held fixed leaves det Q in rounding noise, 7e-6 and 6e-5. Each
// tolerance sits three decades above its search's stopping step.
constexpr double kSpinodalTolerance = 1e-10;
constexpr double kCubicFormTolerance = 1e-7;

int LargestDiagonalEntry(const Matrix& m) {
  int largest = 0;
  for (int i = 1; i < m.Rows(); ++i)
    if (std::abs(m(i, i)) > std::abs(m(largest, largest))) largest = i;
  return largest;
}

// Σ_k Σ_a Σ_b u_k·u_a·u_b·∂Q(a, b)/∂z_k, with u = row r of adj(Q) over its
// entry r: the null vector of Q with u_r = 1, whatever the sign of adj(Q).
double CubicFormAlongNullVector(const MixtureTerms& m, double T, double V, int r) {
  const Matrix cofactors = CofactorMatrix(SpinodalMatrix(m, T, V));
  const ThirdDerivatives third = ThirdDerivativesAt(m, T, V);
  const auto u = [&](int i) { return cofactors(r, i) / cofactors(r, r); };
  double sum = 0.0;
  for (int k = 0; k < m.count; ++k) {
    const Matrix d = DerivativeByVariable(third, k);
    for (int a = 0; a < m.count; ++a)
      for (int b = 0; b < m.count; ++b) sum += d(a, b) * u(a) * u(b) * u(k);
  }
  return sum;
}

// |f(x)| / |x·f'(x)|, f' from f(x·(1 - step)) and f(x·(1 + step)).
double RelativeNewtonStep(double f, double below, double above) {
  return std::abs(f) * 2.0 * kDifferenceStep / std::abs(above - below);
}

// The two relative Newton steps at (T, V).
struct CriticalityResiduals {
  double spinodal;   // of det Q over T
  double cubicForm;  // of the cubic form over V
};

CriticalityResiduals CriticalityAt(const MixtureTerms& m, double T, double V, const Yield& yield) {
  const double lower = 1.0 - kDifferenceStep, upper = 1.0 + kDifferenceStep;
  const double spinodal = RelativeNewtonStep(SpinodalDeterminant(m, T, V),
                                             SpinodalDeterminant(m, T * lower, V),
                                             SpinodalDeterminant(m, T * upper, V));
  const double Tbelow = SpinodalLadder(m, V * lower, kCriticalStarts, yield);
  const double Tabove = SpinodalLadder(m, V * upper, kCriticalStarts, yield);
  if (Tbelow == 0.0 || Tabove == 0.0) return {spinodal, std::numeric_limits<double>::infinity()};
  const int r = LargestNullVectorEntry(m, T, V);
  const double cubicForm = RelativeNewtonStep(CubicFormAlongNullVector(m, T, V, r),
                                              CubicFormAlongNullVector(m, Tbelow, V * lower, r),
                                              CubicFormAlongNullVector(m, Tabove, V * upper, r));
  return {spinodal, cubicForm};
}

}  // namespace

bool IsCriticalPoint(const MixtureTerms& m, double T, double V, const Yield& yield) {
  const CriticalityResiduals residuals = CriticalityAt(m, T, V, yield);
  return residuals.spinodal <= kSpinodalTolerance && residuals.cubicForm <= kCubicFormTolerance;
}

int LargestNullVectorEntry(const MixtureTerms& m, double T, double V) {
  return LargestDiagonalEntry(CofactorMatrix(SpinodalMatrix(m, T, V)));
}

}  // namespace stability
