#include "stability/Determinant.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace stability {

namespace {

// 1/(largest magnitude) of each row of the block, or 0 for a row of zeros.
std::vector<double> RowScales(const Matrix& m, int size) {
  std::vector<double> scales(std::size_t(size), 0.0);
  for (int i = 0; i < size; ++i) {
    double big = 0.0;
    for (int j = 0; j < size; ++j) big = std::max(big, std::abs(m(i, j)));
    if (big != 0.0) scales[std::size_t(i)] = 1.0 / big;
  }
  return scales;
}

// target[i] -= source[i]·factor for i = from .. to - 1: two distinct columns.
void SubtractMultiple(double* __restrict target, const double* __restrict source, double factor,
                      int from, int to) {
  for (int i = from; i < to; ++i) target[i] -= source[i] * factor;
}

// Every entry (i, j) below and right of pivot k loses L(i, k)·U(k, j). Over
// the pivots each entry loses its terms in ascending k, the order of Crout's
// sums, and each pivot column is complete when its pivot is chosen; the
// entries in between are independent, so the work of one pivot pipelines.
void EliminateBelowPivot(Matrix& m, int k, int size) {
  const double* pivotColumn = m.Column(k);
  for (int j = k + 1; j < size; ++j) {
    double* column = m.Column(j);
    SubtractMultiple(column, pivotColumn, column[k], k + 1, size);
  }
}

// The row of the pivot of column j: the largest scaled magnitude on or below
// the diagonal, the last such row on a tie.
int PivotRow(const Matrix& m, const std::vector<double>& scales, int j, int size) {
  const double* column = m.Column(j);
  double big = 0.0;
  int pivot = j;
  for (int i = j; i < size; ++i) {
    const double merit = scales[std::size_t(i)] * std::abs(column[i]);
    if (!(big > merit)) {
      big = merit;
      pivot = i;
    }
  }
  return pivot;
}

void SwapRows(Matrix& m, int r, int s, int size) {
  for (int c = 0; c < size; ++c) std::swap(m(r, c), m(s, c));
}

// P·M·Q = L·U of the leading block by Gaussian elimination with complete
// pivoting: each pivot is the largest remaining entry, so a matrix of rank
// size - 1 leaves its one small pivot last. A remaining block of zeros ends
// the elimination (its multipliers stay 0).
struct CompletePivotLu {
  Matrix factors;          // L below the diagonal (unit diagonal not stored), U on and above
  std::vector<int> rows;     // rows[i]: the row of M at row i of P·M·Q
  std::vector<int> columns;  // columns[j]: the column of M at column j of P·M·Q
  double sign = 1.0;         // det(P)·det(Q)
};

CompletePivotLu DecomposeWithCompletePivoting(const Matrix& m, int size) {
  CompletePivotLu lu{Matrix(size, size), std::vector<int>(std::size_t(size)),
                     std::vector<int>(std::size_t(size))};
  for (int j = 0; j < size; ++j) {
    lu.rows[std::size_t(j)] = lu.columns[std::size_t(j)] = j;
    for (int i = 0; i < size; ++i) lu.factors(i, j) = m(i, j);
  }
  Matrix& a = lu.factors;
  for (int k = 0; k < size; ++k) {
    int pivotRow = k, pivotColumn = k;
    for (int j = k; j < size; ++j)
      for (int i = k; i < size; ++i)
        if (std::abs(a(i, j)) > std::abs(a(pivotRow, pivotColumn))) {
          pivotRow = i;
          pivotColumn = j;
        }
    if (a(pivotRow, pivotColumn) == 0.0) break;
    if (pivotRow != k) {
      SwapRows(a, pivotRow, k, size);
      std::swap(lu.rows[std::size_t(pivotRow)], lu.rows[std::size_t(k)]);
      lu.sign = -lu.sign;
    }
    if (pivotColumn != k) {
      std::swap_ranges(a.Column(pivotColumn), a.Column(pivotColumn) + size, a.Column(k));
      std::swap(lu.columns[std::size_t(pivotColumn)], lu.columns[std::size_t(k)]);
      lu.sign = -lu.sign;
    }
    double* pivotColumnEntries = a.Column(k);
    for (int i = k + 1; i < size; ++i) pivotColumnEntries[i] /= pivotColumnEntries[k];
    EliminateBelowPivot(a, k, size);
  }
  return lu;
}

// adj(U) of the upper triangle U of `factors`, without dividing by its last
// pivot, which is the tiny one at a matrix of rank size - 1. With
// U = [U11 w; 0 p]: adj(U) = [p·adj(U11), -adj(U11)·w; 0, det(U11)], and
// adj(U11) follows from U11·adj(U11) = det(U11)·I, its diagonal entries being
// products of the other pivots. A zero among the first pivots means rank
// below size - 1, whose adjugate is 0.
Matrix AdjugateOfUpper(const Matrix& factors) {
  const int size = factors.Rows();
  const int last = size - 1;
  Matrix adjugate(size, size);
  for (int i = 0; i < last; ++i)
    if (factors(i, i) == 0.0) return adjugate;
  double leadingDeterminant = 1.0;  // det(U11)
  for (int i = 0; i < last; ++i) leadingDeterminant *= factors(i, i);
  for (int j = 0; j < last; ++j) {
    double* column = adjugate.Column(j);  // adj(U11), column j
    column[j] = 1.0;
    for (int i = 0; i < last; ++i)
      if (i != j) column[j] *= factors(i, i);
    for (int i = j - 1; i >= 0; --i) {
      double sum = 0.0;
      for (int l = i + 1; l <= j; ++l) sum += factors(i, l) * column[l];
      column[i] = -sum / factors(i, i);
    }
  }
  double* lastColumn = adjugate.Column(last);
  for (int i = 0; i < last; ++i) {
    double sum = 0.0;
    for (int l = i; l < last; ++l) sum += adjugate(i, l) * factors(l, last);
    lastColumn[i] = -sum;
  }
  lastColumn[last] = leadingDeterminant;
  const double lastPivot = factors(last, last);
  for (int j = 0; j < last; ++j)
    for (int i = 0; i <= j; ++i) adjugate(i, j) *= lastPivot;
  return adjugate;
}

// adj(U)·adj(L) = adj(U)·L^-1 for the unit lower triangle L of `factors`: the
// columns of X with X·L = adj(U), from the last one back.
Matrix AdjugateOfUnitLowerRight(Matrix adjugate, const Matrix& factors) {
  const int size = factors.Rows();
  for (int j = size - 2; j >= 0; --j) {
    double* column = adjugate.Column(j);
    for (int m = j + 1; m < size; ++m) {
      const double factor = factors(m, j);
      const double* later = adjugate.Column(m);
      for (int i = 0; i < size; ++i) column[i] -= later[i] * factor;
    }
  }
  return adjugate;
}

}  // namespace

double LuDeterminant(Matrix& m) {
  const int size = std::min(m.Rows(), m.Columns());
  std::vector<double> scales = RowScales(m, size);
  double sign = 1.0;
  for (int k = 0; k < size; ++k) {
    const int pivot = PivotRow(m, scales, k, size);
    if (pivot != k) {
      SwapRows(m, pivot, k, size);
      sign = -sign;
      scales[std::size_t(pivot)] = scales[std::size_t(k)];
    }
    if (m(k, k) == 0.0) m(k, k) = 1e-30;
    const double inverse = 1.0 / m(k, k);
    double* column = m.Column(k);
    for (int i = k + 1; i < size; ++i) column[i] *= inverse;
    EliminateBelowPivot(m, k, size);
  }
  double det = sign;
  for (int j = 0; j < size; ++j) det *= m(j, j);
  return det;
}

double Det_LU_Decomposition(Matrix& m) {
  const double det = LuDeterminant(m);
  return std::abs(det) > 1e-12 ? det : 0.0;
}

Matrix CofactorMatrix(const Matrix& m) {
  const int size = std::min(m.Rows(), m.Columns());
  if (size == 0) return Matrix();
  const CompletePivotLu lu = DecomposeWithCompletePivoting(m, size);
  const Matrix adjugate = AdjugateOfUnitLowerRight(AdjugateOfUpper(lu.factors), lu.factors);
  // adj(M) = sign·Q·adj(L·U)·P for P·M·Q = L·U, and C(i, j) = adj(M)(j, i).
  Matrix cofactors(size, size);
  for (int i = 0; i < size; ++i)
    for (int j = 0; j < size; ++j)
      cofactors(lu.rows[std::size_t(i)], lu.columns[std::size_t(j)]) = lu.sign * adjugate(j, i);
  return cofactors;
}

}  // namespace stability
