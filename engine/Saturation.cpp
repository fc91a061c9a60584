// Saturation pressures of the pure components, and the first approaches of the
// phase-equilibrium searches.
#include <cmath>
#include <cstdlib>
#include <limits>

#include "engine/ComponentData.h"
#include "engine/Globals.h"
#include "engine/Services.h"

namespace {

namespace data = component_data;

struct PowerTerm {
  double c;
  double e;
};

// P = Pc exp((Tc/T) Σ c_k τ^e_k), the Wagner-type form of H2O, CO2, O2 and CH4.
template <std::size_t N>
double ScaledSeries(const std::array<PowerTerm, N>& terms, double tau, double T, double Tc, double Pc) {
  double s = 0.0;
  for (const auto& term : terms) s += term.c * std::pow(tau, term.e);
  return Pc * std::exp(s * Tc / T);
}

constexpr std::array<PowerTerm, 6> waterTerms = {{{-7.85951783, 1}, {1.84408259, 1.5}, {-11.7866497, 3},
                                                  {22.6807411, 3.5}, {-15.9618719, 4}, {1.80122502, 7.5}}};
constexpr std::array<PowerTerm, 4> carbonDioxideTerms = {
    {{-7.057346, 1}, {1.932188, 1.5}, {-1.636312, 2}, {-3.31247, 4}}};
constexpr std::array<PowerTerm, 5> oxygenTerms = {
    {{-6.043938, 1}, {1.175627, 1.5}, {-0.994086, 3}, {-3.456781, 7}, {3.361499, 9}}};
constexpr std::array<PowerTerm, 4> methaneTerms = {
    {{-6.036219, 1}, {1.409353, 1.5}, {-0.4945199, 2}, {-1.443048, 4.5}}};

// P = Pc exp(c1 τ + c2 τ² + c3 τ³ + c4 τ⁴), for H2S and NH3.
double Quartic(const std::array<double, 4>& c, double tau, double Pc) {
  return Pc * std::exp(c[0] * tau + c[1] * std::pow(tau, 2.0) + c[2] * std::pow(tau, 3.0) +
                       c[3] * std::pow(tau, 4.0));
}

double Nitrogen(double T, double Tc, double Pc) {
  const double theta = Tc / T - 1.0;
  const double bracket = 1.0 - 5.072183802 * theta + 13.67990776 * std::pow(theta, 1.9) -
                         11.94002133 * std::pow(theta, 2.4) + 2.641788411 * std::pow(theta, 3.5) -
                         0.3781265428 * std::pow(theta, 5.5) + 0.07593697713 * std::pow(theta, 7.0);
  return bracket * Pc * T / Tc;
}

double Ethane(double tau, double Pc) {
  return Pc * std::exp(-7.955315 * tau / (1.0 - tau) + 1.532027 * tau + 14.78068 * std::pow(tau, 1.9) -
                       13.43179 * std::pow(tau, 2.0) + 4.704891 * std::pow(tau, 3.0));
}

// Reduced-temperature form; its exponential is in bar.
double CarbonMonoxide(double T, double Tc) {
  const double tr = T / Tc;
  return std::exp(-7.461267899 / tr + 16.516128685 - 12.217914523 * tr + 9.048182735 * std::pow(tr, 2.0) -
                  2.331639377 * std::pow(tr, 3.0) + 0.892713142 * std::pow(1.0 - tr, 1.25)) /
         10.0;
}

// The line through (Tt, 0.1 MPa) and (Tc, Pc), at every temperature.
double StraightLine(double T, double Tt, double Tc, double Pc) {
  return (0.1 * Tc - Pc * Tt) / (Tc - Tt) + T * (Pc - 0.1) / (Tc - Tt);
}

double Power10(double exponent) { return std::pow(10.0, exponent); }
double ExpInverse(double c0, double c1, double c2, double T) { return std::exp(c0 - c1 / T - c2 / (T * T)); }

double InRange(int i, double T, double tau, double Tc, double Pc) {
  switch (i) {
    case H2O: return ScaledSeries(waterTerms, tau, T, Tc, Pc);
    case CO2: return ScaledSeries(carbonDioxideTerms, tau, T, Tc, Pc);
    case N2: return Nitrogen(T, Tc, Pc);
    case H2S: return Quartic({-5.7856, -9.4242, 16.381, -48.551}, tau, Pc);
    case NH3: return Quartic({-6.6722, -9.6203, 16.201, -55.553}, tau, Pc);
    case O2: return ScaledSeries(oxygenTerms, tau, T, Tc, Pc);
    case CO: return CarbonMonoxide(T, Tc);
    case CH4: return ScaledSeries(methaneTerms, tau, T, Tc, Pc);
    default: return Ethane(tau, Pc);  // C2H6
  }
}

double OutOfRange(int i, double T) {
  switch (i) {
    case H2O: return Power10(-2125.7 / T + 4.6637);
    case CO2: return Power10(-918.2444 / T + 3.8871);
    case N2: return Power10(-304.98 / T + 2.9428);
    case H2S: return ExpInverse(7.4204, 1806.2, 55558, T);
    case NH3: return ExpInverse(8.4513, 2271.3, 73160, T);
    case O2: return ExpInverse(6.75, 773.12, 3879.5, T);
    case CO: return ExpInverse(6.5881, 690.21, 2875.4, T);
    case CH4: return Power10(-492.3749 / T + 3.2462);
    default: return Power10(-838.52005 / T + 3.43391);  // C2H6
  }
}

bool HasRangedCorrelation(int i) {
  return i == H2O || i == CO2 || i == N2 || i == H2S || i == NH3 || i == O2 || i == CO || i == CH4 || i == C2H6;
}

// Largest |x| whose fixed-point value keeps a sum of 21 of them inside int64.
constexpr double normaliserLimit = 4e5;

}  // namespace

double Engine::SaturationPressure(int i, double T) {
  FillConstantTables();
  if (i < 0 || i >= ComponentCount) return std::nan("");
  if (!(T > 0.0)) return 0.0;  // the vapour pressure vanishes towards 0 K
  const double Tt = data::Ttrip[i], Tc = data::Tcrit[i], Pc = data::Pcrit[i];
  if (i == H2) return T < Tt ? 0.1 : std::exp(4.9017 - 167.65 / T + 441.17 / (T * T));
  if (!HasRangedCorrelation(i)) return StraightLine(T, Tt, Tc, Pc);
  const bool inRange = !(T < Tt) && !(T > Tc);
  return inRange ? InRange(i, T, 1.0 - T / Tc, Tc, Pc) : OutOfRange(i, T);
}

double Engine::RaoultPressure(const Composition& x, double T, int mode) {
  if (mode != 0 && mode != 1) return 0.0;
  double sum = 0.0;
  for (int k = 0; k < ComponentCount; ++k) {
    const double psat = SaturationPressure(k, T);
    sum += mode == 0 ? x[k] * psat : x[k] / psat;
  }
  if (mode == 0) return sum;
  return (sum > 0.0 && std::isfinite(sum)) ? 1.0 / sum : 0.0;
}

std::array<double, 21> Engine::WilsonDistribution(double T, double P) {
  std::array<double, 21> k;
  k.fill(1.0);
  if (!(T > 0.0) || !(P > 0.0)) return k;
  FillConstantTables();
  for (int i = 0; i < ComponentCount; ++i)
    k[i] = std::exp(std::log(data::Pcrit[i] / P) + 5.373 * (1.0 + data::Acentric[i]) * (1.0 - data::Tcrit[i] / T));
  return k;
}

double Engine::Normaliser(Composition& x) {
  std::array<std::int64_t, 21> fixed{};
  std::int64_t sum = 0;  // exact: 21 entries of at most 4e17 each
  for (int i = 0; i < ComponentCount; ++i) {
    if (!std::isfinite(x[i]) || std::abs(x[i]) > normaliserLimit) return std::numeric_limits<double>::quiet_NaN();
    fixed[i] = FixedPointFraction(x[i]);
    sum += fixed[i];
  }
  if (sum != 0 && sum != PrecisionFactor) {
    for (int i = 0; i < ComponentCount; ++i) x[i] = Int64ToDouble(fixed[i]) / Int64ToDouble(sum);
  }
  return Int64ToDouble(sum) / Int64ToDouble(PrecisionFactor);
}
