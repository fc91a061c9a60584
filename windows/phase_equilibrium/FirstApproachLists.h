// The two first-approach lists of a phase-equilibrium window, `ListBoxPhaseX`
// and `ListBoxPhaseY`: the start compositions of Phase X and Phase Y (mole
// fractions), one row per component, whose values the user may overwrite.
//
// A click on a row opens its value for editing; an edited value that is a
// number goes at once into the window's own compositions and into the shared
// `Globals.xgas` or `Globals.ygas`. Filling the lists is never taken for an edit.
#pragma once

#include <array>

#include "engine/Globals.h"
#include "framework/Window.h"

namespace phase_equilibrium {

class FirstApproachLists {
 public:
  // Binds the click and the text change of both lists of `window`.
  explicit FirstApproachLists(fw::Window& window);
  FirstApproachLists(const FirstApproachLists&) = delete;  // the handlers hold its address
  FirstApproachLists& operator=(const FirstApproachLists&) = delete;

  // Lists x and y for each component of z (fraction not 0) and holds them as
  // the window's compositions; earlier edits are dropped.
  void Show(const Composition& z, const Composition& x, const Composition& y);
  // Holds new compositions (those a search left) without redrawing the lists.
  void Hold(const Composition& x, const Composition& y);
  // Empties both lists.
  void Clear();

  const Composition& X() const { return phases_[0].values; }
  const Composition& Y() const { return phases_[1].values; }
  // False while an edited value cell holds a text that is no number.
  bool AllNumbers() const;

 private:
  struct Phase {
    const char* list;
    Composition* shared;  // Globals.xgas or Globals.ygas
    Composition values{};
    std::array<bool, 21> noNumber{};
  };

  bool CellClick(const Phase& phase, int row);
  void CellTextChange(Phase& phase, int row);

  fw::Window& window_;
  std::array<Phase, 2> phases_;
};

}  // namespace phase_equilibrium
