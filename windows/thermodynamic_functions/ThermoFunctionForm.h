// The thermodynamic function windows: a root choice form whose chosen root
// shows the internal energy, enthalpy, entropy, Helmholtz energy or Gibbs
// energy of the mixture (total, ideal-mixture part and excess part), or the
// chemical potential of every component present. One class serves all six;
// each window is one row of the table in ThermoFunctionTable.
#pragma once

#include "framework/Window.h"
#include "windows/common/RootChoiceForm.h"
#include "windows/thermodynamic_functions/ThermoFunctionTable.h"

namespace thermo {

class ThermoFunctionForm : public fw::Window {
  Q_OBJECT
 public:
  explicit ThermoFunctionForm(ThermoFunctionId id);

 protected:
  void Event_Activate() override;

 private:
  // Empties what a root choice showed (after calculate and on clear).
  void EmptyResults();
  void ShowRoot(int column);
  // Total, ideal and excess parts of the window's property at root `column`.
  void ShowProperty(const ScalarProperty& property, int column);
  // The chemical potential (J/mol) of each component present, at root `column`.
  void ListChemicalPotentials(int column);
  // True when root `column` of the last calculation is a state of the mixture.
  bool IsState(int column) const;

  const ThermoFunction& function_;
  common::RootChoiceForm form_;
};

// Window class `Id` of the table, a class of its own so that each has its sole instance.
template <ThermoFunctionId Id>
class ThermoFunctionWindow : public ThermoFunctionForm {
 public:
  ThermoFunctionWindow() : ThermoFunctionForm(Id) {}
  static const fw::WindowLayout& Layout() { return ThermoFunctionLayout(Id); }
};

}  // namespace thermo

using EntropyWindow = thermo::ThermoFunctionWindow<thermo::kEntropy>;
using HelmholtzWindow = thermo::ThermoFunctionWindow<thermo::kHelmholtz>;
using EnergyWindow = thermo::ThermoFunctionWindow<thermo::kEnergy>;
using EnthalpyWindow = thermo::ThermoFunctionWindow<thermo::kEnthalpy>;
using GibbsWindow = thermo::ThermoFunctionWindow<thermo::kGibbs>;
using ChemPotWindow = thermo::ThermoFunctionWindow<thermo::kChemicalPotentials>;
