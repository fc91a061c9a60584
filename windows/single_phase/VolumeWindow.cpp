#include "windows/single_phase/VolumeWindow.h"

#include "framework/Numbers.h"
#include "windows/common/Messages.h"

using common::RootChoiceForm;

const fw::WindowLayout& VolumeWindow::Layout() {
  static const fw::WindowLayout layout = [] {
    fw::WindowLayout l{.className = "VolumeWindow",
                       .title = "Molar Volumes",
                       .width = 460,
                       .height = 470,
                       .controls = {}};
    l.controls = RootChoiceForm::Rows({});
    const std::vector<fw::ControlSpec> resultBox = {
        fw::RoundRectangleRow("RoundRectangle1", 20, 330, 420, 120),
        fw::Text("MolarVolume", 30, 337, 180, 25, "Molar Volume", 16, fw::NoFlags,
                 "RoundRectangle1"),
        fw::Text("Result", 220, 337, 120, 25, {}, 16, fw::NoFlags, "RoundRectangle1"),
        fw::Text("StaticText7", 350, 337, 75, 25, "cm /mol", 16, fw::NoFlags, "RoundRectangle1"),
        fw::Text("StaticText8", 370, 336, 16, 20, "3", 12, fw::NoFlags, "RoundRectangle1"),
        fw::Text("ExcessMolarVolume", 30, 377, 180, 25, "Excess Molar Volume", 16, fw::NoFlags,
                 "RoundRectangle1"),
        fw::Text("ExcessVol", 220, 377, 120, 25, {}, 16, fw::NoFlags, "RoundRectangle1"),
        fw::Text("StaticText10", 350, 377, 75, 25, "cm /mol", 16, fw::NoFlags, "RoundRectangle1"),
        fw::Text("StaticText11", 370, 376, 16, 20, "3", 12, fw::NoFlags, "RoundRectangle1"),
        fw::Text("Density", 30, 417, 180, 25, "Density", 16, fw::NoFlags, "RoundRectangle1"),
        fw::Text("DensityResult", 220, 417, 120, 25, {}, 16, fw::NoFlags, "RoundRectangle1"),
        fw::Text("StaticText12", 350, 417, 55, 25, "g/cm", 16, fw::NoFlags, "RoundRectangle1"),
        fw::Text("StaticText13", 384, 416, 16, 20, "3", 12, fw::NoFlags, "RoundRectangle1"),
    };
    l.controls.insert(l.controls.end(), resultBox.begin(), resultBox.end());
    return l;
  }();
  return layout;
}

VolumeWindow::VolumeWindow()
    : fw::Window(Layout()),
      form_(*this, {[this] { EmptyResults(); }, [this](int k) { ShowRootProperties(k); }}) {}

void VolumeWindow::EmptyResults() {
  Label("Result").SetText({});
  Label("ExcessVol").SetText({});
  Label("DensityResult").SetText({});
}

void VolumeWindow::ShowRootProperties(int column) {
  const common::RootCalculation& calc = form_.Last();
  const double volume = calc.volumes[column];
  if (!common::IsPhysicalVolume(calc.composition, volume)) {
    // No state of the mixture lies at this volume, so it has no properties.
    Globals.Vexcess = 0.0;
    Label("ExcessVol").SetText(common::kNoSolution);
    Label("DensityResult").SetText(common::kNoSolution);
    return;
  }
  Globals.Vexcess = Globals.Excess(0, calc.composition, calc.kelvin, calc.pressure, volume);
  Label("DensityResult").SetText(fw::ResultText(Globals.Density(calc.composition, volume)));
  Label("ExcessVol").SetText(fw::ResultText(Globals.Vexcess));
}
