// Compositions and states shared by the engine tests.
#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>
#include <random>
#include <vector>

#include "engine/Globals.h"

namespace engine_test {

inline Composition Pure(int i) {
  Composition x{};
  x[i] = 1.0;
  return x;
}

inline Composition Binary(int i, double xi, int j) {
  Composition x{};
  x[i] = xi;
  x[j] = 1.0 - xi;
  return x;
}

// A composition from (component, fraction) pairs; every other fraction is 0.
inline Composition Mixture(std::initializer_list<std::pair<int, double>> parts) {
  Composition x{};
  for (const auto& [component, fraction] : parts) x[component] = fraction;
  return x;
}

inline Composition EqualParts() {
  Composition x;
  x.fill(1.0 / 21.0);
  return x;
}

// Mixtures of 1 to 21 randomly chosen components, fractions summing to one.
inline std::vector<Composition> RandomMixtures(int count, unsigned seed = 12345) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> unit(0.05, 1.0);
  std::uniform_int_distribution<int> size(1, ComponentCount);
  std::vector<Composition> mixtures;
  for (int m = 0; m < count; ++m) {
    std::vector<int> order(ComponentCount);
    for (int i = 0; i < ComponentCount; ++i) order[i] = i;
    std::shuffle(order.begin(), order.end(), rng);
    Composition x{};
    double sum = 0.0;
    const int n = size(rng);
    for (int k = 0; k < n; ++k) sum += x[order[k]] = unit(rng);
    for (double& xi : x) xi /= sum;
    mixtures.push_back(x);
  }
  return mixtures;
}

// A temperature (K) and a molar volume (cm3/mol) above the co-volume, spread
// from dense liquid-like to dilute gas-like states.
struct State {
  double T;
  double V;
};

inline std::vector<State> StatesFor(double coVolume) {
  std::vector<State> states;
  for (double T : {150.0, 300.0, 650.0, 1200.0})
    for (double factor : {1.3, 2.0, 5.0, 40.0, 1000.0}) states.push_back({T, coVolume * factor});
  return states;
}

// |actual - expected| within rel·|expected| + abs.
inline bool Near(double actual, double expected, double rel, double abs = 0.0) {
  return std::abs(actual - expected) <= rel * std::abs(expected) + abs;
}

}  // namespace engine_test
