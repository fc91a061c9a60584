// What the two phase-equilibrium windows share: their list kinds, the report
// of a phase-split search (the answer, the volume, density, composition and
// fugacity of each phase, the message line) and the texts of that message line.
#pragma once

#include <QString>
#include <string>

#include "engine/PhaseEquilibria.h"
#include "engine/PhaseSplitSearch.h"
#include "framework/Layout.h"
#include "framework/Window.h"

namespace phase_equilibrium {

inline const QString kSearchFailed = QStringLiteral("No solution, adjust First Approach and try again");
inline const QString kTrivialSolution =
    QStringLiteral("Possible trivial solution, optional: adjust First Approach and try again");
inline const QString kFractionsOutOfRange =
    QStringLiteral("The fractions must have a number between 0 and 1");
inline const QString kFirstApproachNote =
    QStringLiteral("* The values in \"First Approach\" can be manually changed");

// A list of one row per component, 190 x 80: its name (40 %) and a value (60 %), italic.
fw::ControlSpec ComponentListRow(std::string name, int left, int top, std::string parent);
// A list of one value, 190 x 25.
fw::ControlSpec OneValueRow(std::string name, int left, int top, std::string parent);

// The eight lists of the report that both windows have, Phase X's first.
void EmptyPhaseLists(fw::Window& window);

// Report of a search, at the point it reached: `Answer` (the sought variable),
// the molar volume (cm3/mol) and density (g/cm3) of each phase, and one row
// per component of z in the composition lists (mole fractions) and the
// fugacity lists (MPa). A phase without a molar volume shows "no solution"
// for every property but its composition.
void ShowPhaseSplit(fw::Window& window, const PhaseSplit& split, const Composition& z);

enum class Verdict { Solution, NoSolution, Trivial };

// A run that stopped at one phase (in any pass) is trivial; a failed run has no
// solution.
Verdict Judge(const PhaseSplit& split);

// "Solution after <n> iterations", or the failure or trivial-solution message.
QString VerdictText(Verdict verdict, const SecantRun& run);

// Marks the window's search as running while it lives, so that a button
// pressed meanwhile starts nothing.
class SearchRunning {
 public:
  explicit SearchRunning(bool& running) : running_(running) { running_ = true; }
  ~SearchRunning() { running_ = false; }
  SearchRunning(const SearchRunning&) = delete;
  SearchRunning& operator=(const SearchRunning&) = delete;

 private:
  bool& running_;
};

// Leaves K-values and both phase compositions in the module state
// (`K_liq_vap`, `xgas`, `ygas`), where the other phase window finds them.
void StorePhases(const FirstApproach& phases);

// The yield that the windows hand to their searches: the engine's hook.
void YieldToWindows();

}  // namespace phase_equilibrium
