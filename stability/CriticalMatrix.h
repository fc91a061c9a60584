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

// The same with row `row` (VnIndex) of Q replaced instead of the last. On the
// spinodal adj(Q) = c·u·uᵀ, u the null vector of Q, so det Q* = c²·u_row·κ
// with κ = Σ A_ijk·u_i·u_j·u_k: it vanishes at a critical point (κ = 0), but
// also wherever u_row = 0, which the row of u's largest entry keeps away.
Matrix CriticalMatrix(const MixtureTerms& m, double T, double V, int row);

}  // namespace stability
