// The matrix of the second critical condition.
#pragma once

#include "stability/Matrix.h"
#include "stability/MixtureTerms.h"

namespace stability {

// Q* at T (K) and V (cm3/mol): the spinodal matrix Q with its last row replaced
// by the gradient g of det Q over the volume and the amounts, by Jacobi's
// formula g(z) = Σ_a Σ_b C(a,b)·∂Q(a,b)/∂z with C the cofactors of Q. On the
// spinodal (det Q = 0) the critical point is where det Q* = 0 as well; for one
// component Q* = [A_VVV], so the two conditions are ∂P/∂V = 0 and ∂²P/∂V² = 0.
Matrix CriticalMatrix(const MixtureTerms& m, double T, double V);

}  // namespace stability
