// The derivative matrices against central differences of the Helmholtz energy.
#include <gtest/gtest.h>

#include "HelmholtzReference.h"
#include "stability/HelmholtzDerivatives.h"

using namespace stability;
using namespace stability_test;

namespace {

// CO2, N2 and CH4 (N2 in the middle of the component order), near their critical region.
Composition Ternary() {
  Composition x{};
  x[CO2] = 0.3;
  x[N2] = 0.2;
  x[CH4] = 0.5;
  return x;
}

constexpr double T = 230.0;  // K
constexpr double V = 120.0;  // cm3/mol

void ExpectClose(double actual, Real reference, const char* what, int p, int q, int r = -1) {
  EXPECT_NEAR(actual, static_cast<double>(reference), 1e-7 * std::abs(static_cast<double>(reference)))
      << what << " (" << p << ", " << q << (r >= 0 ? ", " + std::to_string(r) : "") << ")";
}

}  // namespace

TEST(HelmholtzDerivativesTest, SpinodalMatrixHoldsTheSecondDerivatives) {
  Engine engine;
  const MixtureTerms m = *MixTerms(engine, Ternary());
  const HelmholtzReference A(engine, Ternary(), T);
  const Point z = A.At(V);
  const Matrix q = SpinodalMatrix(m, T, V);
  ASSERT_EQ(q.Rows(), 3);
  for (int p = 0; p < 3; ++p)
    for (int s = 0; s < 3; ++s) {
      ExpectClose(q(p, s), Partial(A, z, {p, s}), "Q", p, s);
      EXPECT_EQ(q(p, s), q(s, p));
    }
}

TEST(HelmholtzDerivativesTest, PressureIsMinusTheVolumeDerivative) {
  Engine engine;
  const HelmholtzReference A(engine, Ternary(), T);
  for (double volume : {60.0, 120.0, 5000.0}) {
    const Point z = A.At(volume);
    EXPECT_NEAR(engine.Pressure(Ternary(), T, volume), -static_cast<double>(Partial(A, z, {0})),
                1e-8 * engine.Pressure(Ternary(), T, volume));
  }
}

TEST(HelmholtzDerivativesTest, DerivativeMatricesHoldTheThirdDerivatives) {
  Engine engine;
  const MixtureTerms m = *MixTerms(engine, Ternary());
  const HelmholtzReference A(engine, Ternary(), T);
  const Point z = A.At(V);
  // The volume (coordinate 0) and the amounts of N2 and CH4 (coordinates 1, 2).
  const std::pair<int, int> variables[] = {{-1, 0}, {N2, 1}, {CH4, 2}};
  for (const auto& [k, coordinate] : variables) {
    const Matrix d = DerivativeMatrix(k, m, T, V);
    for (int p = 0; p < 3; ++p)
      for (int s = 0; s < 3; ++s)
        ExpectClose(d(p, s), Partial(A, z, {coordinate, p, s}), "D", coordinate, p, s);
  }
  // The amount of CO2 is held fixed, and H2O is absent: neither is a variable.
  EXPECT_EQ(DerivativeMatrix(H2O, m, T, V), Matrix(3, 3));
}
