// Stub bodies; the numeric core follows.
#include "engine/Globals.h"

Engine Globals;

std::int64_t Engine::FixedPointFraction(double) const { return 0; }
void Engine::CriticalValues() {}
void Engine::MolecularMasses() {}
double Engine::aMixture(const Composition&) { return 0; }
double Engine::bMixture(const Composition&) { return 0; }
double Engine::CoVolume(const Composition&) { return 0; }
double Engine::Pressure(const Composition&, double, double) { return 0; }
std::optional<double> Engine::Temperature(const Composition&, double, double) { return {}; }
CubicRoots Engine::CubicEquation(double, double, double) { return {}; }
CubicRoots Engine::Volume(const Composition&, double, double) { return {}; }
double Engine::VolumeChoice(CubicRoots&, int) { return 0; }
double Engine::VolumeChoice(CubicRoots&, int, double) { return 0; }
double Engine::Density(const Composition&, double) { return 0; }
void Engine::Fugacities(const Composition&, double, double, double) {}
double Engine::SaturationPressure(int, double) { return 0; }
double Engine::RaoultPressure(const Composition&, double, int) { return 0; }
std::array<double, 21> Engine::WilsonDistribution(double, double) { return {}; }
double Engine::Normaliser(Composition&) { return 0; }
double Engine::IdealGas(int, const Composition&, double) { return 0; }
double Engine::Energy(const Composition&, double, double) { return 0; }
double Engine::Enthalpy(const Composition&, double, double) { return 0; }
double Engine::Entropy(const Composition&, double, double) { return 0; }
double Engine::Helmholtz(const Composition&, double, double) { return 0; }
double Engine::Gibbs(const Composition&, double, double) { return 0; }
double Engine::ChemicalPotential(int, const Composition&, double, double) { return 0; }
double Engine::Excess(int, const Composition&, double, double, double) { return 0; }
