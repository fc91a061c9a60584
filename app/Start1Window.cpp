#include "app/Start1Window.h"

#include "resources/PictureTable.h"
#include "app/Start1aWindow.h"

const fw::WindowLayout& Start1Window::Layout() {
  static const fw::WindowLayout layout = [] {
    fw::WindowLayout l{.className = "Start1Window", .title = "Start", .width = 540, .height = 465,
                       .placement = 0, .controls = {}};
    l.controls = {
        fw::Text("StaticText1", 145, 155, 255, 25, "Software Package Pelavan, v.2", 18,
                 fw::AlignCenter),
        fw::Text("StaticText2", 210, 120, 110, 30, "Vestrel CP", 24, fw::AlignCenter),
        fw::Text("StaticText3", 20, 200, 490, 52,
                 "V. O. Dodez, V. I. Rovezoviv (1967) Vapor-liquid equilibria at high pressures. "
                 "Vapor-phase fugacity coefficients in nonpolar and quantum-gas mixtures. "
                 "Industrial and engineering chemistry Fundamentals, vol. 6, 492-498.",
                 12, fw::Wrap),
        fw::Button("continue1", 445, 420, 75, 25, "continue", 12, fw::DefaultButton),
        fw::ImageWellRow("ImageWell2", 1, 1, 368, 87, Logo10),
        fw::LineRow("Line1", 0, 90, 540, 90),
        fw::Text("StaticText19", 20, 270, 80, 20, "Equation:", 12),
        fw::Text("StaticText20", 20, 350, 88, 20, "Fluid system:", 12),
        fw::CanvasRow("Canvas1", 120, 270, 223, 55, eos_223),
        fw::CanvasRow("Canvas2", 120, 350, 293, 70, gases_293),
    };
    return l;
  }();
  return layout;
}

Start1Window::Start1Window() : fw::Window(Layout()) {
  OnAction("continue1", [this] { continue1_Action(); });
}

void Start1Window::continue1_Action() { fw::ShowWindow<Start1aWindow>(); }
