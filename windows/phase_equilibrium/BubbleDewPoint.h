// "Bubble-Dew point": where the mixture homogenizes. Either the temperature
// is given and the pressure sought, or the pressure given and the temperature
// sought; the mixture is taken whole as the liquid (bubble point) or as the
// vapour (dew point). "calculate first approach" fills an editable start;
// "calculate" searches from it. Its controls sit on a scrolled panel.
#pragma once

#include <optional>

#include "engine/PhaseSplitSearch.h"
#include "framework/Window.h"
#include "windows/common/ScrolledPanel.h"
#include "windows/phase_equilibrium/FirstApproachLists.h"

class BubbleDewPoint : public fw::Window {
  Q_OBJECT
 public:
  BubbleDewPoint();
  static const fw::WindowLayout& Layout();
  static const common::ScrolledPanelSize kPanelSize;

 protected:
  void Event_Resizing() override;
  void Event_CompositionChanged() override;

 private:
  // What this window's last first approach started from; its compositions are
  // those its lists hold (with the user's edits, then the last search's result).
  struct Start {
    Composition z{};      // the mixture
    double kelvin = 0.0;  // K: the given temperature, or 298.15 when the pressure is given
    double pressure = 0.0;  // MPa: the Raoult pressure, or the given pressure
  };

  void RadioButtonTh_Action();
  void RadioButtonPh_Action();
  void Vapour1_Action();
  void Liquid1_Action();
  void FirstApproach_Action();
  void calculate_Action();
  void Clear_Action();

  // The mixture's share in Phase Y: 1 in Vapour mode, else 0.
  double Split() const;
  void ShowPhaseCaptions();
  void MarkSolutionPhase(bool liquidMode, bool vapourMode, const PhasePair& phases);
  void EmptyResults();
  void ForgetFirstApproach();
  void RefuseFirstApproach(const QString& message);
  void RefuseCalculation(const QString& message);
  void NameSoughtQuantity(const QString& quantity, const QString& unit);

  std::optional<Start> start_;
  phase_equilibrium::FirstApproachLists lists_;
  common::ScrolledPanel panel_;
  bool searching_ = false;
};
