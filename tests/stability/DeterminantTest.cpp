// Determinants and cofactors against the permutation expansion and the
// adjugate identity M·adj(M) = det(M)·I.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

#include "stability/Determinant.h"

using stability::Matrix;

namespace {

Matrix FromRows(const std::vector<std::vector<double>>& rows) {
  Matrix m(int(rows.size()), int(rows[0].size()));
  for (int r = 0; r < m.Rows(); ++r)
    for (int c = 0; c < m.Columns(); ++c) m(r, c) = rows[r][c];
  return m;
}

Matrix Random(int size, std::mt19937& generator) {
  std::uniform_real_distribution<double> entry(-10.0, 10.0);
  Matrix m(size, size);
  for (int r = 0; r < size; ++r)
    for (int c = 0; c < size; ++c) m(r, c) = entry(generator);
  return m;
}

// Σ over permutations σ of sign(σ)·Π m(i, σ(i)).
double PermutationExpansion(const Matrix& m) {
  std::vector<int> sigma(std::size_t(m.Rows()));
  std::iota(sigma.begin(), sigma.end(), 0);
  double sum = 0.0;
  do {
    int inversions = 0;
    for (std::size_t i = 0; i < sigma.size(); ++i)
      for (std::size_t j = i + 1; j < sigma.size(); ++j) inversions += sigma[i] > sigma[j];
    double product = inversions % 2 ? -1.0 : 1.0;
    for (int i = 0; i < m.Rows(); ++i) product *= m(i, sigma[std::size_t(i)]);
    sum += product;
  } while (std::next_permutation(sigma.begin(), sigma.end()));
  return sum;
}

// m without row i and column j.
Matrix Minor(const Matrix& m, int i, int j) {
  Matrix minor(m.Rows() - 1, m.Columns() - 1);
  for (int r = 0; r < minor.Rows(); ++r)
    for (int c = 0; c < minor.Columns(); ++c) minor(r, c) = m(r < i ? r : r + 1, c < j ? c : c + 1);
  return minor;
}

double Det(Matrix m) { return stability::LuDeterminant(m); }
double CutDet(Matrix m) { return stability::Det_LU_Decomposition(m); }

}  // namespace

TEST(DeterminantTest, EqualsThePermutationExpansion) {
  std::mt19937 generator(2024);
  for (int size = 1; size <= 6; ++size)
    for (int trial = 0; trial < 20; ++trial) {
      const Matrix m = Random(size, generator);
      const double expected = PermutationExpansion(m);
      EXPECT_NEAR(Det(m), expected, 1e-12 * std::pow(10.0, size) * std::tgamma(size + 1.0))
          << "size " << size;
    }
}

TEST(DeterminantTest, CutsMagnitudesNotAbove1e12ToZero) {
  EXPECT_EQ(CutDet(Matrix()), 1.0);  // the empty matrix
  EXPECT_EQ(CutDet(FromRows({{2.5}})), 2.5);
  EXPECT_EQ(CutDet(FromRows({{1e-12}})), 0.0);
  EXPECT_EQ(CutDet(FromRows({{2e-12}})), 2e-12);
  EXPECT_EQ(CutDet(FromRows({{1, 0}, {0, 1}})), 1.0);
  EXPECT_EQ(CutDet(FromRows({{1e-7, 0}, {0, 1e-7}})), 0.0);
  EXPECT_DOUBLE_EQ(Det(FromRows({{1e-7, 0}, {0, 1e-7}})), 1e-14);  // the searches see it
  EXPECT_EQ(CutDet(FromRows({{1, 2}, {2, 4}})), 0.0);
  EXPECT_EQ(CutDet(Matrix(3, 3)), 0.0);
  EXPECT_EQ(CutDet(FromRows({{NAN, 1}, {1, 1}})), 0.0);
}

// A pivot that is 0 after pivoting becomes 1e-30; one that pivoting avoids does not.
TEST(DeterminantTest, ZeroPivotIsReplacedBy1e30) {
  EXPECT_DOUBLE_EQ(Det(Matrix(3, 3)), 1e-90);  // three pivots of 1e-30
  // The rows tie on merit, so the last row leads: [[2, 4], [1, 2]], det = -(2·1e-30).
  EXPECT_DOUBLE_EQ(Det(FromRows({{1, 2}, {2, 4}})), -2e-30);
  EXPECT_EQ(Det(FromRows({{0, 1}, {1, 0}})), -1.0);
  EXPECT_EQ(Det(FromRows({{0, 2, 0}, {3, 0, 0}, {0, 0, 4}})), -24.0);
}

TEST(DeterminantTest, RectangularMatrixUsesItsLeadingSquareBlock) {
  const Matrix wide = FromRows({{2, 1, 0, 7, 7}, {1, 3, 1, 7, 7}, {0, 1, 4, 7, 7}});
  EXPECT_DOUBLE_EQ(Det(wide), 18.0);
}

TEST(DeterminantTest, CofactorsFormTheAdjugate) {
  EXPECT_EQ(stability::CofactorMatrix(FromRows({{0.0}})), FromRows({{1.0}}));
  EXPECT_EQ(stability::CofactorMatrix(FromRows({{2, 3}, {5, 7}})), FromRows({{7, -5}, {-3, 2}}));
  EXPECT_EQ(stability::CofactorMatrix(FromRows({{0, 2}, {3, 4}}))(0, 0), 4.0);

  std::mt19937 generator(7);
  const Matrix m = Random(5, generator);
  const Matrix copy = m;
  const Matrix c = stability::CofactorMatrix(m);
  EXPECT_EQ(m, copy);
  const double det = PermutationExpansion(m);
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 5; ++j) {
      double sum = 0.0;  // (M·Cᵀ)(i, j)
      for (int k = 0; k < 5; ++k) sum += m(i, k) * c(j, k);
      EXPECT_NEAR(sum, i == j ? det : 0.0, 1e-10 * std::abs(det));
    }
}

TEST(DeterminantTest, CofactorsAreNotCut) {
  const Matrix c = stability::CofactorMatrix(FromRows({{1e-7, 0, 0}, {0, 1e-7, 0}, {0, 0, 1}}));
  EXPECT_DOUBLE_EQ(c(2, 2), 1e-14);
}

// At a matrix of rank n - 1, where the critical matrix takes them, the
// cofactors are exact minors, not the 0 or NaN of an inverse times det = 0.
TEST(DeterminantTest, CofactorsOfASingularMatrixAreItsMinors) {
  std::mt19937 generator(11);
  std::uniform_int_distribution<int> entry(-5, 5);
  Matrix b(4, 5);  // Bᵀ·B is 5 by 5 of rank 4, in small integers
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 5; ++c) b(r, c) = entry(generator);
  Matrix m(5, 5);
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 5; ++j)
      for (int k = 0; k < 4; ++k) m(i, j) += b(k, i) * b(k, j);
  ASSERT_EQ(PermutationExpansion(m), 0.0);
  const Matrix c = stability::CofactorMatrix(m);
  double largest = 0.0;
  for (int i = 0; i < 5; ++i)
    largest = std::max(largest, std::abs(PermutationExpansion(Minor(m, i, i))));
  ASSERT_GT(largest, 0.0);
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 5; ++j) {
      const double minor = PermutationExpansion(Minor(m, i, j));  // exact in integers
      EXPECT_NEAR(c(i, j), (i + j) % 2 ? -minor : minor, 1e-12 * largest) << i << ", " << j;
    }
}
