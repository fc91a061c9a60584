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

// Crout's sums for column j: every entry M(i, j) loses M(i, k)·M(k, j) for
// k = 0 .. min(i, j) - 1, term by term in ascending k. Walking k in the outer
// loop keeps that order for every entry while the inner loop runs down a
// contiguous column.
void EliminateColumn(Matrix& m, int j, int size) {
  double* column = m.Column(j);
  for (int k = 0; k < j; ++k) {
    const double* left = m.Column(k);
    const double factor = column[k];
    for (int i = k + 1; i < size; ++i) column[i] -= left[i] * factor;
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

}  // namespace

double LuDeterminant(Matrix& m) {
  const int size = std::min(m.Rows(), m.Columns());
  std::vector<double> scales = RowScales(m, size);
  double sign = 1.0;
  for (int j = 0; j < size; ++j) {
    EliminateColumn(m, j, size);
    const int pivot = PivotRow(m, scales, j, size);
    if (pivot != j) {
      SwapRows(m, pivot, j, size);
      sign = -sign;
      scales[std::size_t(pivot)] = scales[std::size_t(j)];
    }
    if (m(j, j) == 0.0) m(j, j) = 1e-30;
    const double inverse = 1.0 / m(j, j);
    double* column = m.Column(j);
    for (int i = j + 1; i < size; ++i) column[i] *= inverse;
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
  Matrix cofactors(size, size);
  if (size == 1) {
    cofactors(0, 0) = 1.0;  // the determinant of the empty minor
    return cofactors;
  }
  Matrix minor(size - 1, size - 1);
  for (int i = 0; i < size; ++i) {
    for (int j = 0; j < size; ++j) {
      for (int s = 0; s < size; ++s) {
        if (s == j) continue;
        for (int r = 0; r < size; ++r) {
          if (r == i) continue;
          minor(r < i ? r : r - 1, s < j ? s : s - 1) = m(r, s);
        }
      }
      const double det = LuDeterminant(minor);
      cofactors(i, j) = ((i + j) % 2 == 0) ? det : -det;
    }
  }
  return cofactors;
}

}  // namespace stability
