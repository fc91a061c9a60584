#include "windows/stability/Explain.h"

#include "resources/PictureTable.h"

const fw::WindowLayout& Explain::Layout() {
  static const fw::WindowLayout layout = [] {
    fw::WindowLayout l{.className = "Explain",
                       .title = "Explanation",
                       .width = 410,
                       .height = 460,
                       .placement = 0,
                       .controls = {}};
    l.controls = {
        fw::Text("StaticText1", 20, 20, 230, 25, "Pseudo-critical Conditions", 18),
        fw::Text("StaticText3", 40, 205, 220, 15, "The solution of these two equations:", 12,
                 fw::Wrap),
        fw::Text("StaticText5", 40, 270, 300, 20, "Critical temperature:", 12, fw::Wrap),
        fw::Text("StaticText6", 40, 360, 300, 20, "Critical pressure:", 12, fw::Wrap),
        fw::CanvasRow("Canvas1", 40, 60, 323, 60, dpdv_323),
        fw::CanvasRow("Canvas2", 40, 130, 346, 60, dpdv2_346),
        fw::CanvasRow("Canvas3", 275, 205, 113, 50, Vc_113),
        fw::CanvasRow("Canvas4", 90, 290, 203, 60, Tc_203),
        fw::CanvasRow("Canvas5", 90, 380, 210, 60, pc_210),
    };
    return l;
  }();
  return layout;
}

Explain::Explain() : fw::Window(Layout()) {}
