// The second and third derivatives of the Helmholtz energy (see MixtureTerms.h)
// at fixed temperature, arranged as N by N matrices over the volume and the
// amounts: row and column 0 the volume, c = 1..N-1 the amount of present
// component c.
//
// Units (T in K, V in cm3/mol): A_VV in MPa/cm3, A_nV in MPa/mol, A_nn in
// J/mol2; A_VVV in MPa/cm6, A_VVn in MPa/(cm3·mol), A_Vnn in MPa/mol2, A_nnn in
// J/mol3.
#pragma once

#include <vector>

#include "stability/Matrix.h"
#include "stability/MixtureTerms.h"

namespace stability {

// The spinodal matrix Q: Q(0,0) = A_VV, Q(0,c) = Q(c,0) = A_nV(c), Q(c,d) =
// A_nn(c,d). The mixture is on its spinodal where det Q = 0. No check of T or
// V: callers pass T > 0 and V above the co-volume.
Matrix SpinodalMatrix(const MixtureTerms& m, double T, double V);

// The same second derivatives over the free volume u = V − b and the amounts
// (V = u + Σ b_i·n_i, a change of variables of determinant 1): det is det Q.
// In Q the repulsion −n·R·T·ln u puts R·T·w·wᵀ/u², w = (1, −b_1, ...), into
// every entry, and det Q is what is left after those terms cancel: near the
// co-volume nothing is left but rounding. Here that term is R·T/u² in entry
// (0,0) alone and −R·T/u in the rest of row and column 0, so det keeps its
// digits however close V is to b (u in cm3/mol). Take it where only det Q
// counts (the spinodal search), and SpinodalMatrix where the entries in V and
// the amounts are wanted (cofactors, the critical matrix).
Matrix SpinodalMatrixOverFreeVolume(const MixtureTerms& m, double T, double V);

// Every third derivative at one state, indexed by present component.
struct ThirdDerivatives {
  int count = 0;
  double AVVV = 0.0;
  std::vector<double> AVVn;  // [c]
  double AVnn(int c, int d) const { return vnn[std::size_t(c * count + d)]; }
  double Annn(int c, int d, int e) const { return nnn[std::size_t((c * count + d) * count + e)]; }
  std::vector<double> vnn;  // A_Vnn(c, d) at c·N + d
  std::vector<double> nnn;  // A_nnn(c, d, e) at (c·N + d)·N + e
};
ThirdDerivatives ThirdDerivativesAt(const MixtureTerms& m, double T, double V);

// ∂Q/∂V: D(0,0) = A_VVV, D(0,c) = D(c,0) = A_VVn(c), D(c,d) = A_Vnn(c,d).
Matrix VolumeDerivative(const ThirdDerivatives& third);
// ∂Q/∂n of present component p, V and every other amount held fixed:
// D(0,0) = A_VVn(p), D(0,c) = D(c,0) = A_Vnn(p,c), D(c,d) = A_nnn(p,c,d).
Matrix AmountDerivative(const ThirdDerivatives& third, int p);
// ∂Q/∂z_k for the VnIndex variable k: the volume for k = 0, else the amount of
// present component k.
Matrix DerivativeByVariable(const ThirdDerivatives& third, int k);

// The derivative of Q by the volume (k = -1) or by the amount of component k
// (a ComponentIndex); the N by N matrix of zeros for a k that is neither -1
// nor present.
Matrix DerivativeMatrix(int k, const MixtureTerms& m, double T, double V);

}  // namespace stability
