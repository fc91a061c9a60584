// The search that both phase-equilibrium windows run: the mixture z split into a
// liquid-like Phase X (smallest real root) and a vapour-like Phase Y (largest
// real root) at one temperature and pressure, one of which a damped secant
// moves until a residual built from the two phase compositions vanishes.
//
// Units: T in K, P in MPa, V in cm3/mol; compositions are mole fractions in
// ComponentIndex order.
#pragma once

#include <functional>

#include "engine/Globals.h"

// The cooperative yield, called once per pass.
using Yield = std::function<void()>;

enum class SearchOutcome {
  Converged,  // a stop (a residual of exactly 0, or a relative step below 1e-12 at a
              // residual near 0) at a point that solves the equations
  Diverged,   // a step above 1e300, or a point or residual that is not finite
  Exhausted,  // 10 001 passes without a stop at a solution
  Stalled,    // no later pass could find more: the secant's two points became one,
              // or a wait at a residual of 0 left the compositions as they were
  OnePhase,   // a stop at two phases alike in volume and near the mixture: one
              // phase, or the search closing in on one (TrivialSolutionTest)
};

// The largest residual at which a vanishing step stops the search. The
// residuals of both searches are differences of two phase sums near 1; at a
// root they are a few units of 1e-12 or less.
inline constexpr double kResidualTolerance = 1e-6;

// How closely the fugacities of a component must agree in the two phases at a
// solution, as a share of Phase X's total fugacity; a composition still moving
// by more than this from pass to pass fails it. Compositions held on a grid
// (the fixed-point sums' 1e-12) add the grid's own share: see FugacitiesAgree.
inline constexpr double kFugacityTolerance = 1e-9;

// Passes are numbered from 0; the last one a search may make is this one.
inline constexpr int kLastPass = 10000;

// Where a run of the damped secant ended.
struct SecantRun {
  double point = 0.0;  // the last point reached (MPa or K)
  int lastPass = 0;    // the number of the last pass, from 0
  SearchOutcome outcome = SearchOutcome::Exhausted;

  bool Converged() const { return outcome == SearchOutcome::Converged; }
  // A stop in the very first pass says nothing about the start: it fails too.
  bool Failed() const { return !Converged() || lastPass == 0; }
};

// What a pass found at a point where the secant may stop.
enum class PassCheck {
  Solution,  // the phases of the pass are in equilibrium
  Moving,    // not in equilibrium yet; the pass changed the compositions
  Settled,   // not in equilibrium, and the pass left the compositions as they were
  OnePhase,  // alike in molar volume and near the mixture (TrivialSolutionTest)
};

// The damped secant of the phase searches. It starts at u = upper with the
// previous point lower, the residual f0 and a previous residual of -0.01. Each
// pass takes half the secant step (on equal residuals: the last step doubled
// when both points are one, else half the distance between them, onward; at a
// residual of 0: no step), puts a new point that is not above 0 at half the
// point before, then asks `residual` for the residual at the new point and
// yields once. A residual of 0, or a step that no longer moves the point at a
// residual near 0, ends the run when `check` finds a solution or one phase;
// otherwise the passes go on. They stop at once as stalled where no later pass
// could differ: a secant step that leaves the point where it was (its two
// points are then one, and every later step is 0), or a residual of 0 whose
// pass settled.
SecantRun PhaseSplitSecant(double lower, double upper, double f0,
                           const std::function<double(double u)>& residual,
                           const std::function<PassCheck()>& check, const Yield& yield);

// The two phases evaluated at one temperature and pressure.
struct PhasePair {
  double volumeX = 0.0;  // cm3/mol, smallest real root above the co-volume; 0: none
  double volumeY = 0.0;  // cm3/mol, largest real root above the co-volume; 0: none
  Composition phiX{};    // fugacity coefficients of Phase X
  Composition phiY{};    // fugacity coefficients of Phase Y
  Composition K{};       // distribution coefficients phiX/phiY (1 where phiY is not above 0)
};

// Phase X of composition x and Phase Y of composition y at T (K) and P (MPa).
// Leaves Phase Y's values in engine.Coefficient and engine.Fugacity.
PhasePair EvaluatePhases(Engine& engine, const Composition& x, const Composition& y, double T,
                         double P);

// x_i = z_i / ((1 - split) + split K_i) where that divisor is above 0, else
// z_i; y_i = K_i x_i. `split` is the share of the mixture's moles in Phase Y;
// the divisor is exactly 1 at a split of 0 and exactly K_i at a split of 1, so
// a K_i far below 1 still puts its component into Phase X. Components absent
// from z (fraction not above 0) get 0 in both phases.
void CompositionStep(const Composition& z, const Composition& K, double split, Composition& x,
                     Composition& y);

// True when both phases have a molar volume and every component present in z
// has one fugacity in both phases: |x_i phiX_i - y_i phiY_i| at most
// kFugacityTolerance * Σ_j x_j phiX_j (the pressure cancels) plus
// grid * (phiX_i + phiY_i), the most that holding x_i and y_i on a grid of that
// step can move the two terms (half a step each, twice over). A component with
// a large coefficient in one phase, such as a gas dissolved in liquid water,
// needs that share: its fraction there is known only to the grid. `grid` is 0
// for compositions held as they are computed. False when a value is not finite.
bool FugacitiesAgree(const Composition& z, const Composition& x, const Composition& y,
                     const PhasePair& phases, double grid);

// True when the two phases are taken for one, or for the search closing in on
// one: their molar volumes differ by less than 1 % of V_X (V_X > 0), and every
// present component's fractions in both lie within 0.01 of the mixture's. The
// fugacities are not asked, so a real split whose incipient phase lies that
// close to the mixture is taken for one phase too. Phases alike in volume
// but farther apart are a split where their fugacities agree (a liquid and a
// dense gas can share a molar volume), and no solution of any kind where they
// are one phase that is not the mixture. False for a composition with no
// component present.
bool TrivialSolutionTest(const Composition& z, const Composition& x, const Composition& y,
                         double volumeX, double volumeY);

// Which state variable the secant moves; the other one stays fixed.
enum class SoughtVariable { Pressure, Temperature };

struct PhaseSplitStart {
  Composition z{};  // the mixture
  SoughtVariable sought = SoughtVariable::Pressure;
  double fixed = 0.0;  // the fixed temperature (K) or pressure (MPa)
  double lower = 0.0;  // start bracket of the sought variable
  double upper = 0.0;
  double f0 = 0.0;     // the residual at upper
  Composition x{};     // start compositions of Phase X and Phase Y
  Composition y{};
  double grid = 0.0;   // step of the grid the passes hold x and y on; 0: none
};

// What a search reached: its last point, and the phases evaluated there with
// the compositions they were evaluated at (those that the check judged).
struct PhaseSplit {
  SecantRun run;
  double T = 0.0;  // K
  double P = 0.0;  // MPa
  PhasePair phases;
  Composition x{};
  Composition y{};
};

// The work of a pass after the phase evaluation: the new compositions (changed
// in place) and the residual they give.
using PassWork = std::function<double(const PhasePair& phases, Composition& x, Composition& y)>;

// Runs the damped secant on the sought variable; every pass evaluates the
// phases at the new point with the compositions that the pass before left,
// then runs `work`. A stop is a solution only where the phases so evaluated
// are in equilibrium (FugacitiesAgree with start.grid).
PhaseSplit PhaseSplitSearch(Engine& engine, const PhaseSplitStart& start, const PassWork& work,
                            const Yield& yield);
