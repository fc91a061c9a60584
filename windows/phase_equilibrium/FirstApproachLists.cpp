#include "windows/phase_equilibrium/FirstApproachLists.h"

#include "framework/Numbers.h"
#include "windows/common/ComponentRows.h"

namespace phase_equilibrium {

namespace {

constexpr int kValueColumn = 1;

// The component a row names in its first column, or -1.
int ComponentOfRow(const fw::ListBox& list, int row) {
  const QString name = list.Cell(row, 0);
  for (int i = 0; i < ComponentCount; ++i)
    if (name == QLatin1String(ComponentName[i].data(), ComponentName[i].size())) return i;
  return -1;
}

}  // namespace

FirstApproachLists::FirstApproachLists(fw::Window& window)
    : window_(window),
      phases_{{{"ListBoxPhaseX", &Globals.xgas, {}, {}}, {"ListBoxPhaseY", &Globals.ygas, {}, {}}}} {
  for (Phase& phase : phases_) {
    window_.OnCellClick(phase.list,
                        [this, &phase](int row, int, int, int) { return CellClick(phase, row); });
    window_.OnCellTextChange(phase.list,
                             [this, &phase](int row, int) { CellTextChange(phase, row); });
  }
}

void FirstApproachLists::Show(const Composition& z, const Composition& x, const Composition& y) {
  Hold(x, y);
  for (Phase& phase : phases_) {
    phase.noNumber = {};
    common::FillComponentRows(
        window_.List(phase.list), [&z](int i) { return z[i] != 0.0; },
        [&phase](int i) { return QStringList{fw::ResultText(phase.values[i])}; });
  }
}

void FirstApproachLists::Hold(const Composition& x, const Composition& y) {
  phases_[0].values = x;
  phases_[1].values = y;
}

void FirstApproachLists::Clear() {
  for (Phase& phase : phases_) {
    phase.noNumber = {};
    window_.List(phase.list).DeleteAllRows();
  }
}

bool FirstApproachLists::AllNumbers() const {
  for (const Phase& phase : phases_)
    for (bool bad : phase.noNumber)
      if (bad) return false;
  return true;
}

// Whichever cell of the row was clicked, its value opens for editing; the list
// then handles the click as usual.
bool FirstApproachLists::CellClick(const Phase& phase, int row) {
  fw::ListBox& list = window_.List(phase.list);
  list.SetCellType(row, kValueColumn, fw::ListBox::TypeEditable);
  list.EditCell(row, kValueColumn);
  return false;
}

// Any value is taken as typed (no range test, no rescaling): the user may
// start a search from wherever they like. A text that is no number is kept
// back until it is corrected or a new first approach replaces it.
void FirstApproachLists::CellTextChange(Phase& phase, int row) {
  const fw::ListBox& list = window_.List(phase.list);
  const int component = ComponentOfRow(list, row);
  if (component < 0) return;
  const std::optional<double> value = fw::Val(list.Cell(row, kValueColumn));
  phase.noNumber[component] = !value;
  if (!value) return;
  phase.values[component] = *value;
  (*phase.shared)[component] = *value;
}

}  // namespace phase_equilibrium
