// The root choice form: a pressure and a temperature entry, a calculate button
// that lists the three roots of the Redlich-Kwong cubic, and three radios to
// pick one root. Shared by every window that computes a property at a chosen
// root; each window adds its own result fields and what a choice computes.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/Globals.h"
#include "framework/Layout.h"
#include "framework/Window.h"

namespace common {

// Where a window puts the form's controls (window or panel pixels). Only what
// differs between the windows is a member; the rest follows from it.
struct RootChoiceGeometry {
  std::string parent;          // the scrolled panel, or empty for the window
  int inputTop = 20;           // the pressure row; the temperature row is 40 lower
  int labelLeft = 20;          // "Pressure" and "Temperature"
  int entryLeft = 155;         // dataEntry and dataEntry1
  int unitLeft = 285;          // "MPa" and the temperature unit label
  int pressureUnitWidth = 80;  // "MPa"
  int clearLeft = 385;
  int unitGroupLeft = 370;  // GroupBox1 of the unit pair
  int unitGroupTop = 60;
  QString calculateCaption = QStringLiteral("calculate");
  int calculateLeft = 180, calculateTop = 120, calculateWidth = 100;
  int rootGroupLeft = 100, rootGroupTop = 170;  // GroupBox2, 260 x 110
  int choiceLeft = 115, choiceTop = 200;        // Choice0; rows 25 apart, texts 25 right
  int footnoteLeft = 250, footnoteTop = 285;
};

// The geometry of the windows whose button reads "calculate molar volume":
// a wide button at `calculateLeft` and the footnote at 245.
RootChoiceGeometry WideButtonGeometry(int calculateLeft);

// What one press of "calculate" computed; every later root choice of the same
// window uses it, never what another window stored since.
struct RootCalculation {
  Composition composition{};        // mole fractions
  double kelvin = 0.0;              // K
  double pressure = 0.0;            // MPa
  std::array<double, 3> volumes{};  // cm3/mol per RootColumn; 0 for a complex or non-finite root
};

// The text of one root: "re" for a real root, "re and im·i" for a complex one,
// "no solution" when either part is not finite.
QString RootText(double re, double im);

// A molar volume (cm3/mol) at which composition x is a physical state: finite
// and above the mixture's co-volume, of a composition with some component present.
bool IsPhysicalVolume(const Composition& x, double volume);

class RootChoiceForm {
 public:
  struct Hooks {
    // Empties the window's own result fields (after calculate and on clear).
    std::function<void()> emptyResults;
    // Called when root column `column` has been chosen and `Result` shows its volume.
    std::function<void(int column)> rootChosen;
  };

  // The form's layout rows (all but `Result`, which sits in each window's result area).
  static std::vector<fw::ControlSpec> Rows(const RootChoiceGeometry& geometry);

  // Binds calculate, the unit pair, the root radios and clear on `window`,
  // whose layout holds Rows() and a static text `Result`.
  RootChoiceForm(fw::Window& window, Hooks hooks);

  // The last calculation; all zeros when the last press of calculate computed
  // nothing (an entry that is no number, an empty composition). Clear keeps it.
  const RootCalculation& Last() const { return last_; }
  bool HasCalculation() const { return hasCalculation_; }
  // The molar volume (cm3/mol) of the chosen column, or 0 when none is chosen.
  double ChosenVolume() const;

 private:
  void calculate_Action();
  void Choice_Action(int column);
  void Clear_Action();

  void ShowRoots(const CubicRoots& roots);
  void TurnChoicesOff();
  void Refuse(const QString& message);

  fw::Window& window_;
  Hooks hooks_;
  RootCalculation last_;
  bool hasCalculation_ = false;
  std::optional<int> chosen_;
};

}  // namespace common
