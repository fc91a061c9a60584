// "Liquid-Vapour Equilibrium": the pressure at which the mixture, held at a
// given molar volume and temperature, splits into a liquid-like and a
// vapour-like phase, with the volume fraction, molar volume, density,
// composition and fugacities of each. "calculate first approach" fills an
// editable start; "calculate" searches from it. Its controls sit on a scrolled
// panel.
#pragma once

#include <optional>

#include "engine/PhaseEquilibria.h"
#include "framework/Window.h"
#include "windows/common/ScrolledPanel.h"
#include "windows/phase_equilibrium/FirstApproachLists.h"
#include "windows/phase_equilibrium/PhaseWindowParts.h"

class LiquidVapourEq : public fw::Window {
  Q_OBJECT
 public:
  LiquidVapourEq();
  static const fw::WindowLayout& Layout();
  static const common::ScrolledPanelSize kPanelSize;

 protected:
  void Event_Resizing() override;
  void Event_CompositionChanged() override;

 private:
  // What this window's search goes on from: the mixture of its last first
  // approach and the K-values of that first approach or of its last search.
  struct Start {
    Composition z{};
    Composition K{};
  };

  void CalFirstApproach_Action();
  void calculate_Action();
  void Clear_Action();

  void EmptyResults();
  void ForgetFirstApproach();
  void FailAtOnce();
  void RefuseFirstApproach(const QString& message);
  void RefuseCalculation(const QString& message);
  void ShowVapourFraction(double w);
  void ShowSearchEnd(const LiquidVapourSplit& found, phase_equilibrium::Verdict verdict);
  void ShowOnePhase(const PhaseSplit& state);

  std::optional<Start> start_;
  phase_equilibrium::FirstApproachLists lists_;
  common::ScrolledPanel panel_;
  bool searching_ = false;
};
