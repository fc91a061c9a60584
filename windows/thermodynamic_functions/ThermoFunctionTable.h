// The six thermodynamic function windows as rows of one table: what each shows,
// which engine function computes it, and where its controls lie.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "engine/Globals.h"
#include "framework/Layout.h"
#include "windows/common/RootChoiceForm.h"

namespace thermo {

enum ThermoFunctionId {
  kEntropy,
  kHelmholtz,
  kEnergy,
  kEnthalpy,
  kGibbs,
  kChemicalPotentials,
  kThermoFunctionCount
};

// A molar property of the mixture at temperature T (K) and molar volume V (cm3/mol).
using MolarProperty = double (Engine::*)(const Composition& x, double T, double V);

// A window that shows one property of the mixture in three rows: its total,
// ideal-mixture part and excess part.
struct ScalarProperty {
  MolarProperty total;            // J/mol, or J/(mol K) for the entropy
  int excessKind;                 // ExcessKind of the same property
  std::array<QString, 3> labels;  // total, ideal, excess
  bool delta;                     // "∆" before the total label: a value relative to a reference
  QString unit;
  int totalLabelWidth, partLabelWidth, unitWidth;  // pixels
};

// The rounded result box: the molar-volume row, then (scalar windows) the
// total, ideal and excess rows 40, 75 and 110 pixels lower.
struct ResultBox {
  int top, width, height;  // RoundRectangle1, at left 20
  int volumeTop;           // the molar-volume row
  int volumeLabelWidth;    // "Molar Volume"
  int resultLeft;          // Result and Result1..3
  int unitLeft;            // every unit of the box
  int volumeUnitWidth;     // "cm /mol"
};

// One window's column of the table.
struct ThermoFunction {
  const char* className;
  QString title;
  int width, height;  // content, pixels
  QString heading;
  int headingWidth;
  fw::PictureAccessor picture;  // the formula, shown at its own size
  int canvasLeft, pictureWidth, pictureHeight;
  int referenceLeft, referenceTop;  // "see Prausnitz et al. (1986)"
  common::RootChoiceGeometry form;
  ResultBox box;
  std::optional<ScalarProperty> scalar;  // empty: the list of chemical potentials
  int noteLeft, noteTop;                 // the note on the standard state
};

const ThermoFunction& ThermoFunctionOf(ThermoFunctionId id);
const fw::WindowLayout& ThermoFunctionLayout(ThermoFunctionId id);

}  // namespace thermo
