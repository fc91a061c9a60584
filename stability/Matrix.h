// A dense matrix of doubles with 0-based indexes, stored column by column
// (the LU decomposition works down the columns).
#pragma once

#include <cstddef>
#include <vector>

namespace stability {

class Matrix {
 public:
  Matrix() = default;
  // rows x columns entries, all 0.
  Matrix(int rows, int columns)
      : rows_(rows), columns_(columns), values_(std::size_t(rows) * std::size_t(columns), 0.0) {}

  int Rows() const { return rows_; }
  int Columns() const { return columns_; }

  double& operator()(int row, int column) { return values_[Offset(row, column)]; }
  double operator()(int row, int column) const { return values_[Offset(row, column)]; }

  // The entries of one column, rows 0 up, contiguous.
  double* Column(int column) { return values_.data() + Offset(0, column); }
  const double* Column(int column) const { return values_.data() + Offset(0, column); }

  bool operator==(const Matrix&) const = default;

 private:
  std::size_t Offset(int row, int column) const {
    return std::size_t(column) * std::size_t(rows_) + std::size_t(row);
  }

  int rows_ = 0;
  int columns_ = 0;
  std::vector<double> values_;
};

}  // namespace stability
