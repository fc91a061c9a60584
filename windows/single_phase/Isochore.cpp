#include "windows/single_phase/Isochore.h"

#include "engine/Services.h"
#include "framework/Numbers.h"
#include "windows/common/Messages.h"

using namespace single_phase;
using namespace common;

const fw::WindowLayout& Isochore::Layout() {
  static const fw::WindowLayout layout = [] {
    fw::WindowLayout l{
        .className = "Isochore", .title = "Isochore", .width = 300, .height = 480, .controls = {}};
    l.placement = 0;
    l.controls = {
        fw::ListBoxRow("ListBox1", 50, 228, 200, 195, 2, "50%,50%",
                       QString::fromUtf8("Temperature (˚C)\tPressure (MPa)"), 10),
        fw::Text("StaticText1", 20, 90, 110, 18, "min. temperature", 12),
        fw::Text("StaticText2", 20, 115, 110, 18, "max. temperature", 12),
        fw::Text("StaticText3", 20, 140, 110, 18, "step size", 12),
        fw::Button("calculate", 100, 178, 100, 30, "calculate", 16, fw::DefaultButton),
        fw::Edit("minimum", 150, 90, 80, 18, 12),
        fw::Edit("maximum", 150, 115, 80, 18, 12),
        fw::Edit("interval", 150, 140, 80, 18, 12),
        fw::Text("StaticText4", 240, 90, 25, 18, QString::fromUtf8("˚C"), 12),
        fw::Text("StaticText5", 240, 115, 25, 18, QString::fromUtf8("˚C"), 12),
        fw::Text("StaticText6", 240, 140, 45, 18, "degree", 12),
        fw::Text("MolarVolume", 20, 20, 100, 20, "Molar Volume", 14),
        fw::Text("StaticText7", 220, 20, 65, 20, "cm /mol", 14),
        fw::Text("StaticText8", 237, 16, 16, 20, "3", 11),  // clear of the slash
        fw::Text("ResultV", 135, 20, 70, 20, {}),
        fw::Text("MolarVolume1", 20, 50, 100, 20, "Density", 14),
        fw::Text("StaticText9", 220, 50, 65, 20, "g/cm", 14),
        fw::Text("StaticText10", 250, 46, 16, 20, "3", 11),  // just after "g/cm"
        fw::Text("ResultV1", 135, 50, 70, 20, {}),
        fw::Button("Export", 185, 435, 60, 20, "export", 12),
        // Tells the user when an export could not be written.
        fw::Text("ExportStatus", 50, 437, 125, 18, {}, 11),
    };
    return l;
  }();
  return layout;
}

Isochore::Isochore() : fw::Window(Layout()) {
  OnAction("calculate", [this] { calculate_Action(); });
  OnAction("Export", [this] { Export_Action(); });
}

void Isochore::Event_Activate() {
  if (const std::optional<IsochoreVolume>& state = LastIsochoreVolume()) {
    Label("ResultV").SetText(fw::Str(state->volume));
    Label("ResultV1").SetText(IsochoreDensityText(*state));
  } else {
    ShowNoVolume();
  }
  fw::ListBox& list = List("ListBox1");
  list.DeleteAllRows();
  list.SetHeading(0, QString::fromUtf8("Temperature (˚C)"));
  list.SetHeading(1, QStringLiteral("Pressure (MPa)"));
}

IsochorePlan Isochore::CheckedPlan(IsochoreStart start) {
  IsochorePlan plan =
      PlanIsochore(fw::Val(Field("minimum").Text()), fw::Val(Field("maximum").Text()),
                   fw::Val(Field("interval").Text()), start);
  if (plan.minimumBad) Field("minimum").SetText(kPutNumber);
  if (plan.maximumBad) Field("maximum").SetText(kPutNumber);
  if (plan.intervalBad) Field("interval").SetText(kPutNumber);
  return plan;
}

// With no accepted pressure calculation behind the window there is no volume,
// and so nothing to tabulate or export.
void Isochore::ShowNoVolume() {
  Label("ResultV").SetText(kNoSolution);
  Label("ResultV1").SetText({});
}

void Isochore::calculate_Action() {
  fw::ListBox& list = List("ListBox1");
  list.DeleteAllRows();  // a refused entry leaves no table of the entries before
  const IsochorePlan plan = CheckedPlan(IsochoreStart::Table);
  if (!plan.Ok()) return;
  const std::optional<IsochoreVolume>& state = LastIsochoreVolume();
  if (!state) return ShowNoVolume();
  const std::vector<IsochoreRow> rows = IsochoreRows(*state, plan.kelvins);
  for (const IsochoreRow& row : rows) {
    list.AddRow({row.temperature, row.pressure});
    RuntimeBackgroundTask();
  }
}

void Isochore::Export_Action() {
  Label("ExportStatus").SetText({});
  const IsochorePlan plan = CheckedPlan(IsochoreStart::Export);
  if (!plan.Ok()) return;
  const std::optional<IsochoreVolume>& state = LastIsochoreVolume();
  if (!state) return ExportFailed();
  const QStringList lines = IsochoreFileLines(IsochoreRows(*state, plan.kelvins));
  if (!WriteIsochoreFile(IsochoreFileName(state->volume), lines)) ExportFailed();
}

void Isochore::ExportFailed() { Label("ExportStatus").SetText(QStringLiteral("export failed")); }
