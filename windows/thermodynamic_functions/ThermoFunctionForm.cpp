#include "windows/thermodynamic_functions/ThermoFunctionForm.h"

#include "framework/Numbers.h"
#include "windows/common/ComponentRows.h"
#include "windows/common/Messages.h"

namespace thermo {

using common::kNoSolution;

namespace {

const std::array<std::string, 3> kPropertyResults = {"Result1", "Result2", "Result3"};

}  // namespace

ThermoFunctionForm::ThermoFunctionForm(ThermoFunctionId id)
    : fw::Window(ThermoFunctionLayout(id)),
      function_(ThermoFunctionOf(id)),
      form_(*this, {[this] { EmptyResults(); }, [this](int k) { ShowRoot(k); }}) {}

void ThermoFunctionForm::Event_Activate() {
  if (function_.scalar) return;
  fw::ListBox& list = List("ListBox1");
  list.SetHeading(0, QStringLiteral("gas"));
  list.SetHeading(1, QStringLiteral("J/mol"));
}

void ThermoFunctionForm::EmptyResults() {
  Label("Result").SetText({});
  if (!function_.scalar) return List("ListBox1").DeleteAllRows();
  for (const std::string& name : kPropertyResults) Label(name).SetText({});
}

void ThermoFunctionForm::ShowRoot(int column) {
  if (function_.scalar) return ShowProperty(*function_.scalar, column);
  ListChemicalPotentials(column);
}

// A complex root (stored as 0), a root not above the co-volume or a temperature
// not above 0 K is no state of the mixture: it has no thermodynamic functions.
bool ThermoFunctionForm::IsState(int column) const {
  const common::RootCalculation& calc = form_.Last();
  return calc.kelvin > 0.0 && common::IsPhysicalVolume(calc.composition, calc.volumes[column]);
}

void ThermoFunctionForm::ShowProperty(const ScalarProperty& property, int column) {
  if (!IsState(column)) {
    for (const std::string& name : kPropertyResults) Label(name).SetText(kNoSolution);
    return;
  }
  const common::RootCalculation& calc = form_.Last();
  const Composition& x = calc.composition;
  const double total = (Globals.*property.total)(x, calc.kelvin, calc.volumes[column]);
  const double excess = Globals.Excess(property.excessKind, x, calc.kelvin, calc.pressure, total);
  Label("Result1").SetText(fw::ResultText(total));
  Label("Result2").SetText(fw::ResultText(total - excess));
  Label("Result3").SetText(fw::ResultText(excess));
}

void ThermoFunctionForm::ListChemicalPotentials(int column) {
  const common::RootCalculation& calc = form_.Last();
  const Composition& x = calc.composition;
  const bool state = IsState(column);
  common::FillComponentRows(
      List("ListBox1"), [&x](int i) { return x[i] > 0.0; },
      [&](int i) -> QStringList {
        if (!state) return {kNoSolution};
        return {fw::ResultText(Globals.ChemicalPotential(i, x, calc.kelvin, calc.volumes[column]))};
      });
}

}  // namespace thermo
