#include "windows/stability/MathAnal.h"

#include "framework/Application.h"
#include "stability/AnalysisTable.h"
#include "framework/Numbers.h"
#include "windows/common/Messages.h"

using namespace stability;

namespace {

const QStringList kHeadings = {QStringLiteral("Molar Volume"), QStringLiteral("Temp. Spinodal"),
                               QStringLiteral("Pressure"), QStringLiteral("Zero Funktion")};

// The volume, then the temperature (K), pressure (MPa) and determinant, or "-"
// for each where no spinodal temperature exists.
QStringList RowCells(const AnalysisRow& row) {
  const QString volume = QString::number(row.volume);
  if (!row.found) return {volume, "-", "-", "-"};
  return {volume, fw::ResultText(row.kelvin), fw::ResultText(row.pressure),
          fw::ResultText(row.zero)};
}

}  // namespace

const fw::WindowLayout& MathAnal::Layout() {
  static const fw::WindowLayout layout = [] {
    fw::WindowLayout l{.className = "MathAnal",
                       .title = "Mathematical Analysis",
                       .width = 460,
                       .height = 315,
                       .placement = 0,
                       .controls = {}};
    l.controls = {
        fw::ListBoxRow("ListBox1", 20, 68, 420, 200, 4, "25%, 25%, 25%, 25%",
                       kHeadings.join('\t'), 10),
        fw::Button("calculate", 175, 20, 100, 30, "calculate", 18, fw::DefaultButton),
        fw::Text("StaticText1", 285, 20, 15, 15, "*", 14),
        fw::Text("StaticText2", 90, 280, 350, 15,
                 "* calculation time may be extensive for multi-component fluid systems", 10),
    };
    return l;
  }();
  return layout;
}

MathAnal::MathAnal() : fw::Window(Layout()) {
  OnAction("calculate", [this] { calculate_Action(); });
}

void MathAnal::SetHeadings() {
  fw::ListBox& list = List("ListBox1");
  for (int column = 0; column < kHeadings.size(); ++column)
    list.SetHeading(column, kHeadings[column]);
}

// Rows of another composition go; rows of this one stay for the user to read.
void MathAnal::Event_Activate() {
  if (rowsFor_ && *rowsFor_ != Globals.fraction) {
    List("ListBox1").DeleteAllRows();
    rowsFor_.reset();
  }
  SetHeadings();
}

// Each press adds 250 rows under those of an earlier press; the table only ever
// holds rows of one composition.
void MathAnal::calculate_Action() {
  const Composition x = Globals.fraction;
  fw::ListBox& list = List("ListBox1");
  if (rowsFor_ != x) list.DeleteAllRows();
  rowsFor_ = x;
  const std::optional<MixtureTerms> terms = MixTerms(Globals, x);
  if (!terms) {  // no component: no state
    list.AddRow({common::kNoSolution});
    return;
  }
  int volume = AnalysisStartVolume(terms->bmix);
  for (int row = 0; row < kAnalysisRowCount; ++row) {
    volume += kAnalysisVolumeStep;
    list.AddRow(RowCells(AnalysisRowAt(Globals, *terms, volume, fw::RuntimeBackgroundTask)));
    fw::RuntimeBackgroundTask();
  }
}
