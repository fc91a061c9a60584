// "Critical Point": the pseudo-critical point of the mixture, and its true
// critical point from two first-guess molar volumes; opens the mathematical
// analysis and the explanation of the pseudo-critical conditions.
#pragma once

#include <optional>

#include "engine/Globals.h"
#include "framework/Window.h"
#include "stability/CriticalSearch.h"
#include "windows/common/TemperatureResult.h"

class CriticalPointWindow : public fw::Window {
  Q_OBJECT
 public:
  CriticalPointWindow();
  static const fw::WindowLayout& Layout();

 protected:
  void Event_Activate() override;

 private:
  void calculate_Action();
  void Analysis_Action();
  void pseudo_Action();

  // Searches from the typed first guesses; empty when one is no number.
  std::optional<stability::CriticalSearchResult> SearchFromGuesses(
      const stability::MixtureTerms& terms);
  void ShowCriticalPoint(const Composition& x, const stability::CriticalSearchResult& result);
  void ShowResults(const QString& volume, const QString& pressure);
  // Empties the three result fields, in either unit.
  void ForgetCriticalPoint();

  common::TemperatureResult last_;
  // The composition whose pseudo-critical point filled the first guesses.
  std::optional<Composition> guessesFor_;
};
