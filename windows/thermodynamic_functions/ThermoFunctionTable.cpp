#include "windows/thermodynamic_functions/ThermoFunctionTable.h"

#include <utility>

#include "resources/PictureTable.h"

namespace thermo {

namespace {

using common::RootChoiceGeometry;

// Where the entries and the root choice lie; the rest follows from these.
struct FormPlaces {
  int inputTop, clearLeft, unitGroupLeft, unitGroupTop, calculateLeft, calculateTop, rootGroupLeft,
      rootGroupTop, choiceLeft;
};

RootChoiceGeometry Form(const FormPlaces& p) {
  RootChoiceGeometry g = common::WideButtonGeometry(p.calculateLeft);
  g.inputTop = p.inputTop;
  g.unitLeft = 280;
  g.clearLeft = p.clearLeft;
  g.unitGroupLeft = p.unitGroupLeft;
  g.unitGroupTop = p.unitGroupTop;
  g.calculateTop = p.calculateTop;
  g.rootGroupLeft = p.rootGroupLeft;
  g.rootGroupTop = p.rootGroupTop;
  g.choiceLeft = p.choiceLeft;
  g.choiceTop = p.rootGroupTop + 30;
  g.footnoteTop = p.rootGroupTop + 115;
  return g;
}

// The rows of a property `name`: "name", "Ideal name", "Excess name".
ScalarProperty Property(MolarProperty total, int excessKind, const char* name, bool delta,
                        const char* unit, int totalLabelWidth, int partLabelWidth, int unitWidth) {
  const QString n = QString::fromUtf8(name);
  return {total,
          excessKind,
          {n, "Ideal " + n, "Excess " + n},
          delta,
          QString::fromUtf8(unit),
          totalLabelWidth,
          partLabelWidth,
          unitWidth};
}

const std::array<ThermoFunction, kThermoFunctionCount>& Table() {
  // FormPlaces: input top, clear left, unit group left and top, calculate left and top,
  // root group left and top, root radio left.
  // ResultBox: top, width, height, molar-volume row top, its label's width, result
  // left, unit left, "cm /mol" width.
  // Property: engine function, ExcessKind, name, "∆" before it, unit, widths of the
  // total label, the ideal and excess labels, and the units.
  // clang-format off
  static const std::array<ThermoFunction, kThermoFunctionCount> table = {{
      {.className = "EntropyWindow", .title = "Entropy", .width = 455, .height = 640,
       .heading = "Maxwell Relations", .headingWidth = 170,
       .picture = Entropy_148, .canvasLeft = 220, .pictureWidth = 148, .pictureHeight = 55,
       .referenceLeft = 240, .referenceTop = 85,
       .form = Form({120, 380, 365, 155, 115, 220, 100, 270, 110}),
       .box = {425, 415, 155, 433, 130, 175, 310, 75},
       .scalar = Property(&Engine::Entropy, 3, "Entropy", false, "J /mol·K", 130, 130, 75),
       .noteLeft = 160, .noteTop = 588},
      {.className = "HelmholtzWindow", .title = "Helmholtz Energy", .width = 460, .height = 645,
       .heading = "Differential Form", .headingWidth = 160,
       .picture = Helmholtz_127, .canvasLeft = 205, .pictureWidth = 127, .pictureHeight = 55,
       .referenceLeft = 205, .referenceTop = 85,
       .form = Form({120, 380, 365, 155, 110, 220, 95, 270, 110}),
       .box = {425, 420, 155, 433, 130, 235, 365, 70},
       .scalar = Property(&Engine::Helmholtz, 4, "Helmholtz Energy", true, "J /mol", 160, 200, 70),
       .noteLeft = 165, .noteTop = 593},
      {.className = "EnergyWindow", .title = "Internal Energy", .width = 455, .height = 640,
       .heading = "Differential Form", .headingWidth = 155,
       .picture = Energy_215, .canvasLeft = 190, .pictureWidth = 215, .pictureHeight = 55,
       .referenceLeft = 280, .referenceTop = 84,
       .form = Form({120, 380, 365, 160, 105, 220, 90, 270, 100}),
       .box = {425, 415, 155, 433, 150, 220, 350, 80},
       .scalar = Property(&Engine::Energy, 1, "Internal Energy", true, "J /mol", 140, 180, 70),
       .noteLeft = 160, .noteTop = 588},
      {.className = "EnthalpyWindow", .title = "Enthalpy", .width = 455, .height = 610,
       .heading = "Definition", .headingWidth = 100,
       .picture = Enthalpy_161, .canvasLeft = 165, .pictureWidth = 161, .pictureHeight = 25,
       .referenceLeft = 195, .referenceTop = 50,
       .form = Form({90, 380, 365, 125, 105, 190, 90, 240, 100}),
       .box = {395, 415, 155, 402, 140, 190, 325, 75},
       .scalar = Property(&Engine::Enthalpy, 2, "Enthalpy", true, "J /mol", 100, 140, 75),
       .noteLeft = 160, .noteTop = 557},
      {.className = "GibbsWindow", .title = "Gibbs Free Energy", .width = 470, .height = 610,
       .heading = "Definition", .headingWidth = 100,
       .picture = Gibbs_214, .canvasLeft = 155, .pictureWidth = 214, .pictureHeight = 25,
       .referenceLeft = 235, .referenceTop = 50,
       .form = Form({90, 380, 365, 130, 115, 190, 100, 240, 110}),
       .box = {395, 430, 155, 402, 150, 240, 370, 75},
       .scalar = Property(&Engine::Gibbs, 5, "Gibbs Energy", true, "J /mol", 160, 205, 60),
       .noteLeft = 170, .noteTop = 557},
      {.className = "ChemPotWindow", .title = "Chemical Potentials", .width = 450, .height = 730,
       .heading = "Partial Derivative", .headingWidth = 160,
       .picture = chem_129, .canvasLeft = 205, .pictureWidth = 129, .pictureHeight = 60,
       .referenceLeft = 210, .referenceTop = 90,
       .form = Form({130, 375, 360, 165, 105, 225, 90, 275, 100}),
       .box = {425, 410, 40, 432, 130, 190, 320, 75},
       .scalar = std::nullopt,
       .noteLeft = 160, .noteTop = 680},
  }};
  // clang-format on
  return table;
}

const std::string kBox = "RoundRectangle1";

std::vector<fw::ControlSpec> HeadRows(const ThermoFunction& f) {
  return {
      fw::Text("StaticText10", 20, 20, f.headingWidth, 25, f.heading, 18),
      fw::CanvasRow("Canvas1", f.canvasLeft, 20, f.pictureWidth, f.pictureHeight, f.picture),
      fw::Text("StaticText12", f.referenceLeft, f.referenceTop, 130, 10,
               "see Prausnitz et al. (1986)", 10),
  };
}

std::vector<fw::ControlSpec> MolarVolumeRows(const ResultBox& b) {
  return {
      fw::RoundRectangleRow(kBox, 20, b.top, b.width, b.height),
      fw::Text("MolarVolume", 30, b.volumeTop, b.volumeLabelWidth, 25, "Molar Volume", 16,
               fw::NoFlags, kBox),
      fw::Text("Result", b.resultLeft, b.volumeTop, 120, 25, {}, 16, fw::NoFlags, kBox),
      fw::Text("StaticText7", b.unitLeft, b.volumeTop, b.volumeUnitWidth, 25, "cm /mol", 16,
               fw::NoFlags, kBox),
      // The superscript over the blank of "cm /mol", clear of the slash in the shipped font.
      fw::Text("StaticText8", b.unitLeft + 20, b.volumeTop - 1, 16, 20, "3", 12, fw::NoFlags, kBox),
  };
}

// The total, ideal and excess rows below the molar-volume row: label, result, unit.
std::vector<fw::ControlSpec> PropertyRows(const ResultBox& b, const ScalarProperty& p) {
  struct Row {
    const char *label, *result, *unit;
    int below;  // pixels below the molar-volume row
  };
  static const Row kRows[] = {{"TotalLabel", "Result1", "StaticText9", 40},
                              {"IdealLabel", "Result2", "IdealUnit", 75},
                              {"ExcessLabel", "Result3", "ExcessUnit", 110}};
  std::vector<fw::ControlSpec> rows;
  if (p.delta) {
    rows.push_back(fw::Text("Delta", 30, b.volumeTop + 36, 20, 30, QString::fromUtf8("∆"), 24,
                            fw::NoFlags, kBox));
  }
  for (int r = 0; r < 3; ++r) {
    const Row& row = kRows[r];
    const int top = b.volumeTop + row.below;
    const bool total = r == 0;
    rows.push_back(fw::Text(row.label, total && p.delta ? 55 : 30, top,
                            total ? p.totalLabelWidth : p.partLabelWidth, 25, p.labels[r], 16,
                            fw::NoFlags, kBox));
    rows.push_back(fw::Text(row.result, b.resultLeft, top, 120, 25, {}, 16, fw::NoFlags, kBox));
    rows.push_back(
        fw::Text(row.unit, b.unitLeft, top, p.unitWidth, 25, p.unit, 16, fw::NoFlags, kBox));
  }
  return rows;
}

std::vector<fw::ControlSpec> ChemicalPotentialRows() {
  fw::ControlSpec list =
      fw::ListBoxRow("ListBox1", 69, 515, 310, 140, 2, "30%, 70%", "gas\tJ/mol", 14, "GroupBox3");
  list.flags = fw::Italic;
  return {fw::Group("GroupBox3", 55, 480, 340, 190, "Chemical Potentials", 18), std::move(list)};
}

fw::ControlSpec NoteRow(const ThermoFunction& f) {
  return fw::Text("LiteratureNote", f.noteLeft, f.noteTop, 270, 40,
                  "Standard state conditions: 298.15 K and 0.1 MPa\r"
                  "between 298.15 and T (at 0.1 MPa): Ideal Gas Mixture\r"
                  "Thermomdynamic data Reduv et al. (1979)",
                  10);
}

fw::WindowLayout BuildLayout(const ThermoFunction& f) {
  fw::WindowLayout layout{.className = f.className,
                          .title = f.title,
                          .width = f.width,
                          .height = f.height,
                          .placement = 0,
                          .controls = {}};
  auto append = [&layout](std::vector<fw::ControlSpec> rows) {
    for (auto& row : rows) layout.controls.push_back(std::move(row));
  };
  append(HeadRows(f));
  append(common::RootChoiceForm::Rows(f.form));
  append(MolarVolumeRows(f.box));
  append(f.scalar ? PropertyRows(f.box, *f.scalar) : ChemicalPotentialRows());
  layout.controls.push_back(NoteRow(f));
  return layout;
}

}  // namespace

const ThermoFunction& ThermoFunctionOf(ThermoFunctionId id) { return Table().at(id); }

const fw::WindowLayout& ThermoFunctionLayout(ThermoFunctionId id) {
  static const auto layouts = [] {
    std::array<fw::WindowLayout, kThermoFunctionCount> all;
    for (int i = 0; i < kThermoFunctionCount; ++i) all[i] = BuildLayout(Table()[i]);
    return all;
  }();
  return layouts.at(id);
}

}  // namespace thermo
