#include "windows/stability/SpinodalWindow.h"

#include <optional>

#include "engine/Globals.h"
#include "framework/Application.h"
#include "framework/Numbers.h"
#include "resources/PictureTable.h"
#include "stability/SpinodalSearch.h"
#include "windows/common/Messages.h"
#include "windows/common/UnitPair.h"

using namespace common;

namespace {

// This window's own word for a temperature it could not find.
const QString kNoSoluton = QStringLiteral("no soluton");

}  // namespace

const fw::WindowLayout& SpinodalWindow::Layout() {
  static const fw::WindowLayout layout = [] {
    fw::WindowLayout l{.className = "SpinodalWindow",
                       .title = "Untitled",
                       .width = 460,
                       .height = 510,
                       .placement = 0,
                       .controls = {}};
    const std::string box = "RoundRectangle1";
    l.controls = {
        fw::RoundRectangleRow(box, 20, 365, 420, 95),
        fw::Text("Pressure", 30, 425, 110, 25, "Pressure", 16, fw::NoFlags, box),
        fw::Text("ResultP", 145, 425, 120, 25, {}, 16, fw::NoFlags, box),
        fw::Text("StaticText4", 275, 375, 80, 25, "Kelvin", 16, fw::NoFlags, box),
    };
    for (auto& row : UnitPairRows(360, 375, box)) l.controls.push_back(std::move(row));
    const std::vector<fw::ControlSpec> rest = {
        fw::Text("Temperature", 30, 375, 110, 25, "Temperature", 16, fw::NoFlags, box),
        fw::Text("ResultT", 145, 375, 120, 25, {}, 16, fw::NoFlags, box),
        fw::Text("StaticText10", 275, 425, 80, 25, "MPa", 16, fw::NoFlags, box),
        fw::Text("StaticText1", 20, 20, 100, 50, "Spinodal\rdefinition", 18, fw::Wrap),
        fw::Button("calculate", 180, 315, 100, 30, "calculate", 18, fw::DefaultButton),
        fw::Text("StaticText2", 280, 260, 80, 25, "cm /mol", 16),
        fw::Text("StaticText3", 300, 259, 16, 20, "3", 12),
        fw::Text("StaticText5", 30, 140, 40, 15, "where", 12, fw::Wrap),
        fw::Text("StaticText6", 70, 215, 250, 15, "where A represents the Helmholtz Energy", 12,
                 fw::Wrap),
        fw::Text("StaticText7", 97, 19, 10, 10, "*", 12),
        fw::Text("StaticText8", 210, 475, 230, 15,
                 "* Spinodal is also known as the \"stability limit\"", 10),
        fw::Text("StaticText9", 418, 140, 30, 15, "etc.", 12, fw::Wrap),
        fw::Text("MolarVolume", 20, 260, 130, 25, "Molar Volume", 16),
        fw::Edit("dataEntry", 155, 260, 120, 25, 16),
        fw::Button("Clear", 390, 260, 50, 20, "clear", 10),
        fw::CanvasRow("Canvas1", 140, 20, 295, 100, spinodal_295),
        fw::CanvasRow("Canvas2", 70, 140, 166, 60, ANV_166),
        fw::CanvasRow("Canvas3", 250, 140, 161, 60, AVV_161),
    };
    l.controls.insert(l.controls.end(), rest.begin(), rest.end());
    return l;
  }();
  return layout;
}

SpinodalWindow::SpinodalWindow() : fw::Window(Layout()) {
  BindTemperatureUnits(*this, last_, "ResultT", "StaticText4");
  OnAction("calculate", [this] { calculate_Action(); });
  OnAction("Clear", [this] { Clear_Action(); });
}

void SpinodalWindow::calculate_Action() {
  const Composition x = Globals.fraction;
  const std::optional<double> volume = fw::Val(Field("dataEntry").Text());
  if (!volume) {
    last_.SetMessage(kPutNumber);
    Label("ResultT").SetText(kPutNumber);
    Label("ResultP").SetText({});
    return;
  }
  // No component, or a volume not above the co-volume: no state, no temperature.
  const std::optional<stability::MixtureTerms> terms = stability::MixTerms(Globals, x);
  const double kelvin =
      terms ? stability::SpinodalLadder(*terms, *volume, stability::kSpinodalStarts,
                                        fw::RuntimeBackgroundTask)
            : 0.0;
  Globals.TempKelvin = kelvin;
  if (kelvin > 0.0) {
    last_.SetKelvin(kelvin);
    Globals.PresMPa = Globals.Pressure(x, kelvin, *volume);
    Label("ResultP").SetText(fw::ResultText(Globals.PresMPa));
  } else {
    last_.SetMessage(kNoSoluton);
    Label("ResultP").SetText(kNoSolution);
  }
  ShowInKelvin(*this, last_, "ResultT", "StaticText4");
}

void SpinodalWindow::Clear_Action() {
  Field("dataEntry").SetText({});
  Label("ResultT").SetText({});
  Label("ResultP").SetText({});
}
