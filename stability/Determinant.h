// Determinants by LU decomposition, and the matrix of cofactors.
#pragma once

#include "stability/Matrix.h"

namespace stability {

// The determinant of the leading square block of m (its first min(rows,
// columns) rows and columns), by an LU decomposition (Crout's factors, term
// for term) with implicit (row-scaled) partial pivoting. m is overwritten: its
// block holds L below the diagonal (unit diagonal not stored) and U on and
// above it, of the rows as pivoted; nothing beyond the block is touched. Among pivot candidates of equal
// merit the last row wins; a zero pivot is replaced by 1e-30. An empty matrix
// gives 1. The value is not cut: searches need its sign and size however small.
double LuDeterminant(Matrix& m);

// LuDeterminant cut to exactly 0 when its magnitude is not above 1e-12 (a NaN
// included). The cut is absolute, blind to the scale of the entries: it serves
// the analysis table, which shows it, never a search.
double Det_LU_Decomposition(Matrix& m);

// The cofactors of the leading square block of m: C(i, j) = (-1)^(i+j) times
// the (uncut) determinant of the block without row i and column j. A 1 by 1
// block gives [1]. m is left as it was. O(n³): from one LU decomposition with
// complete pivoting, never dividing by its last pivot, so that the cofactors
// stay accurate where they matter most, at a block of rank n - 1 (an inverse
// times the determinant would not).
Matrix CofactorMatrix(const Matrix& m);

}  // namespace stability
