#include "stability/HelmholtzDerivatives.h"

namespace stability {

namespace {

double Square(double v) { return v * v; }
double Cube(double v) { return v * v * v; }

// The attraction's part of A_VV, and then A_VV.
double AttractionVV(const MixtureTerms& m, const StateTerms& s) {
  const double V = s.V, b = s.b;
  return -m.amix * (2.0 * V + b) / (s.sqrtT * V * V * Square(V + b));
}

double A_VV(const MixtureTerms& m, const StateTerms& s) {
  return AttractionVV(m, s) + s.RT / Square(s.V - s.b);
}

// The attraction's part of A_nV, and then A_nV.
double AttractionNV(const MixtureTerms& m, const StateTerms& s, int c) {
  const double V = s.V, b = s.b, bi = m.b[c];
  return m.S[c] / (V * (V + b) * s.sqrtT) - m.amix * bi / (V * Square(V + b) * s.sqrtT);
}

double A_nV(const MixtureTerms& m, const StateTerms& s, int c) {
  const double V = s.V, b = s.b, bi = m.b[c];
  return AttractionNV(m, s, c) - s.RT / (V - b) - s.RT * bi / Square(V - b);
}

// The factors of A_nn that depend on the state alone, taken once per matrix
// instead of once per entry.
struct PairFactors {
  double inverseB;       // 1/b
  double aOverBSquared;  // a/b²
  double logTerm;        // L/(b·√T)
  double inverseBTV;     // 1/(b·√T·(V + b))
  double attraction;     // (2/b + 1/(V + b))·a/(b·√T·(V + b))
  double repulsion;      // RT/(V − b)
  double repulsion2;     // RT/(V − b)²
};

PairFactors PairFactorsAt(const MixtureTerms& m, const StateTerms& s) {
  const double V = s.V, b = s.b;
  const double inverseBTV = 1.0 / (b * s.sqrtT * (V + b));
  return {1.0 / b,
          m.amix / (b * b),
          s.L / (b * s.sqrtT),
          inverseBTV,
          (2.0 / b + 1.0 / (V + b)) * m.amix * inverseBTV,
          s.RT / (V - b),
          s.RT / Square(V - b)};
}

// The attraction's part of A_nn: the terms in L, then those in 1/(V + b).
double AttractionNN(const MixtureTerms& m, const PairFactors& f, int c, int d) {
  const double bi = m.b[c], bj = m.b[d];
  const double cross = bi * m.S[d] + bj * m.S[c];  // b_i·S_j + b_j·S_i
  const double bij = bi * bj;
  double value = (-2.0 * m.a[c][d] + cross * f.inverseB - 2.0 * bij * f.aOverBSquared) * f.logTerm;
  value -= cross * f.inverseBTV;
  value += bij * f.attraction;
  return value;
}

// R·T/x_c on the diagonal, from R·T·Σ n_i·ln n_i.
double IdealMixing(const MixtureTerms& m, const StateTerms& s, int c, int d) {
  return c == d ? s.RT / m.x[c] : 0.0;
}

// The attraction, then the repulsion, then the ideal mixing.
double A_nn(const MixtureTerms& m, const StateTerms& s, const PairFactors& f, int c, int d) {
  const double bi = m.b[c], bj = m.b[d];
  double value = AttractionNN(m, f, c, d);
  value += (bi + bj) * f.repulsion + bi * bj * f.repulsion2;
  return value + IdealMixing(m, s, c, d);
}

double A_VVV(const MixtureTerms& m, const StateTerms& s) {
  const double V = s.V, b = s.b;
  return 2.0 * m.amix * (Square(2.0 * V + b) / (V * (V + b)) - 1.0) /
             (s.sqrtT * V * V * Square(V + b)) -
         2.0 * s.RT / Cube(V - b);
}

double A_VVn(const MixtureTerms& m, const StateTerms& s, int c) {
  const double V = s.V, b = s.b, bi = m.b[c];
  double value = -(2.0 * V + b) * m.S[c] / (s.sqrtT * V * V * Square(V + b));
  value += bi * (3.0 * V + b) * m.amix / (s.sqrtT * V * V * Cube(V + b));
  value += s.RT * (1.0 / Square(V - b) + 2.0 * bi / Cube(V - b));
  return value;
}

double A_Vnn(const MixtureTerms& m, const StateTerms& s, int c, int d) {
  const double V = s.V, b = s.b, sT = s.sqrtT;
  const double bi = m.b[c], bj = m.b[d];
  double value = 2.0 * m.a[c][d] / (V * (V + b) * sT);
  value -= bi * m.S[d] / (Square(V + b) * V * sT);
  value -= bj * m.S[c] / (Square(V + b) * V * sT);
  value += 2.0 * bi * bj * m.amix / (Cube(V + b) * V * sT);
  value -= s.RT * ((bi + bj) / Square(V - b) + 2.0 * bi * bj / Cube(V - b));
  return value;
}

double A_nnn(const MixtureTerms& m, const StateTerms& s, int i, int j, int l) {
  const double V = s.V, b = s.b, a = m.amix, sT = s.sqrtT, L = s.L;
  const double bi = m.b[i], bj = m.b[j], bl = m.b[l];
  const double Si = m.S[i], Sj = m.S[j], Sl = m.S[l];
  const double E = bl * m.a[i][j] + bi * m.a[j][l] + bj * m.a[i][l];
  const double F = bi * bj * Sl + bi * bl * Sj + bj * bl * Si;
  const double G = 2.0 / b + 1.0 / (V + b);
  const double c = 1.0 / (b * (V + b) * sT);
  double value = (2.0 / (b * b * sT)) * E * L;
  value -= (2.0 / (Cube(b) * sT)) * F * L;
  value += (6.0 / (Square(b * b) * sT)) * bi * bj * bl * a * L;
  value -= (2.0 / (b * (V + b) * sT)) * E;
  value += c * bi * bj * G * Sl;
  value += c * bi * bl * G * Sj;
  value += c * bj * bl * G * Si;
  value -= (1.0 / (Cube(b) * Cube(V + b) * sT)) * bi * bj * bl *
           (2.0 * b * b + 6.0 * Square(V + b) + 3.0 * b * (V + b)) * a;
  value += s.RT * (bi * bj + bi * bl + bj * bl) / Square(V - b);
  value += 2.0 * s.RT * bi * bj * bl / Cube(V - b);
  if (i == j && j == l) value -= s.RT / (m.x[i] * m.x[i]);
  return value;
}

}  // namespace

Matrix SpinodalMatrix(const MixtureTerms& m, double T, double V) {
  const StateTerms s = StateOf(m, T, V);
  const PairFactors f = PairFactorsAt(m, s);
  const int n = m.count;
  Matrix q(n, n);
  q(0, 0) = A_VV(m, s);
  for (int c = 1; c < n; ++c) {
    q(0, c) = q(c, 0) = A_nV(m, s, c);
    for (int d = c; d < n; ++d) q(c, d) = q(d, c) = A_nn(m, s, f, c, d);
  }
  return q;
}

Matrix SpinodalMatrixOverFreeVolume(const MixtureTerms& m, double T, double V) {
  const StateTerms s = StateOf(m, T, V);
  const PairFactors f = PairFactorsAt(m, s);
  const int n = m.count;
  const double u = V - s.b;
  // Without the repulsion, every entry is of the size of the attraction or the
  // ideal mixing; the repulsion −n·R·T·ln u then adds R·T/u² and −R·T/u alone.
  const double vv = AttractionVV(m, s);
  std::vector<double> nv(static_cast<std::size_t>(n));
  for (int c = 1; c < n; ++c) nv[std::size_t(c)] = AttractionNV(m, s, c);
  Matrix q(n, n);
  q(0, 0) = s.RT / (u * u) + vv;
  for (int c = 1; c < n; ++c) {
    const double bc = m.b[c], vc = nv[std::size_t(c)];
    q(0, c) = q(c, 0) = -s.RT / u + (vc + bc * vv);
    for (int d = c; d < n; ++d) {
      const double bd = m.b[d], vd = nv[std::size_t(d)];
      q(c, d) = q(d, c) = AttractionNN(m, f, c, d) + bc * vd + bd * vc + bc * bd * vv +
                          IdealMixing(m, s, c, d);
    }
  }
  return q;
}

ThirdDerivatives ThirdDerivativesAt(const MixtureTerms& m, double T, double V) {
  const StateTerms s = StateOf(m, T, V);
  const int n = m.count;
  ThirdDerivatives t;
  t.count = n;
  t.AVVV = A_VVV(m, s);
  t.AVVn.resize(std::size_t(n));
  t.vnn.resize(std::size_t(n * n));
  t.nnn.resize(std::size_t(n * n * n));
  const auto at = [n](int c, int d, int e) { return std::size_t((c * n + d) * n + e); };
  for (int c = 0; c < n; ++c) {
    t.AVVn[std::size_t(c)] = A_VVn(m, s, c);
    for (int d = c; d < n; ++d) {
      t.vnn[std::size_t(c * n + d)] = t.vnn[std::size_t(d * n + c)] = A_Vnn(m, s, c, d);
      // A_nnn is symmetric in its three indexes: one value for every ordering.
      for (int e = d; e < n; ++e) {
        const double v = A_nnn(m, s, c, d, e);
        t.nnn[at(c, d, e)] = t.nnn[at(c, e, d)] = t.nnn[at(d, c, e)] = v;
        t.nnn[at(d, e, c)] = t.nnn[at(e, c, d)] = t.nnn[at(e, d, c)] = v;
      }
    }
  }
  return t;
}

Matrix VolumeDerivative(const ThirdDerivatives& third) {
  const int n = third.count;
  Matrix d(n, n);
  d(0, 0) = third.AVVV;
  for (int c = 1; c < n; ++c) {
    d(0, c) = d(c, 0) = third.AVVn[std::size_t(c)];
    for (int e = 1; e < n; ++e) d(c, e) = third.AVnn(c, e);
  }
  return d;
}

Matrix AmountDerivative(const ThirdDerivatives& third, int p) {
  const int n = third.count;
  Matrix d(n, n);
  d(0, 0) = third.AVVn[std::size_t(p)];
  for (int c = 1; c < n; ++c) {
    d(0, c) = d(c, 0) = third.AVnn(p, c);
    for (int e = 1; e < n; ++e) d(c, e) = third.Annn(p, c, e);
  }
  return d;
}

Matrix DerivativeByVariable(const ThirdDerivatives& third, int k) {
  return k == 0 ? VolumeDerivative(third) : AmountDerivative(third, k);
}

Matrix DerivativeMatrix(int k, const MixtureTerms& m, double T, double V) {
  if (k == -1) return VolumeDerivative(ThirdDerivativesAt(m, T, V));
  const int p = m.PresentIndexOf(k);
  if (p < 0) return Matrix(m.count, m.count);
  return AmountDerivative(ThirdDerivativesAt(m, T, V), p);
}

}  // namespace stability
