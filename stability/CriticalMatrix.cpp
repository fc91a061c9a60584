#include "stability/CriticalMatrix.h"

#include "stability/Determinant.h"
#include "stability/HelmholtzDerivatives.h"

namespace stability {

namespace {

// Σ_a Σ_b C(a,b)·D(a,b), rows outer.
double Contract(const Matrix& cofactors, const Matrix& derivative) {
  double sum = 0.0;
  for (int a = 0; a < cofactors.Rows(); ++a)
    for (int b = 0; b < cofactors.Columns(); ++b) sum += cofactors(a, b) * derivative(a, b);
  return sum;
}

}  // namespace

Matrix CriticalMatrix(const MixtureTerms& m, double T, double V) {
  return CriticalMatrix(m, T, V, m.count - 1);
}

Matrix CriticalMatrix(const MixtureTerms& m, double T, double V, int row) {
  Matrix q = SpinodalMatrix(m, T, V);
  const Matrix cofactors = CofactorMatrix(q);
  // The third derivatives are shared by the N derivative matrices.
  const ThirdDerivatives third = ThirdDerivativesAt(m, T, V);
  for (int k = 0; k < m.count; ++k)
    q(row, k) = Contract(cofactors, DerivativeByVariable(third, k));
  return q;
}

}  // namespace stability
