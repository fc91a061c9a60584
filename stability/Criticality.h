// Whether a state on the spinodal is a critical point, judged on the two
// criteria themselves: det Q* vanishes there too, but also wherever the null
// vector of Q has a zero last entry, and wherever Q's rank drops.
#pragma once

#include "stability/MixtureTerms.h"
#include "stability/SpinodalSearch.h"

namespace stability {

// True where the spinodal temperature T (K) at V (cm3/mol) is a critical
// point: the relative Newton steps to the zeros of both criteria are small,
// |f|/|x·df/dx| with the slope from a central difference over x·(1 ± 1e-4),
// for f = det Q over T at fixed V, and for f = Σ A_ijk·u_i·u_j·u_k over V
// along the spinodal, u the null vector of Q scaled so that its largest entry
// is 1. A step needs no scale of f, which the sum of the magnitudes of its
// terms cannot give: the entries of Q and of its derivatives are themselves
// differences of large terms near a critical point (for one component det Q =
// A_VV and the cubic form is A_VVV, one term each), and with a trace held
// fixed, det Q and the cubic form cancel by the homogeneity of A to a tiny
// fraction of their terms, critical or not.
bool IsCriticalPoint(const MixtureTerms& m, double T, double V, const Yield& yield);

// The VnIndex of the largest entry of the null vector of the spinodal matrix
// at T (K) and V (cm3/mol), read off the largest diagonal cofactor (adj(Q) =
// c·u·uᵀ on the spinodal): the row of Q whose replacement by the gradient of
// det Q has no spurious zero near there.
int LargestNullVectorEntry(const MixtureTerms& m, double T, double V);

}  // namespace stability
