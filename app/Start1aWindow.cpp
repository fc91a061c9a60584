#include "app/Start1aWindow.h"

#include "resources/PictureTable.h"
#include "app/Start2Window.h"

const fw::WindowLayout& Start1aWindow::Layout() {
  static const fw::WindowLayout layout = [] {
    fw::WindowLayout l{.className = "Start1aWindow", .title = "Mixing Rules", .width = 475, .height = 540,
                       .placement = 0, .controls = {}};
    l.controls = {
        fw::Button("PushButton1", 380, 490, 75, 25, "Continue", 12, fw::DefaultButton),
        fw::Text("StaticText3", 20, 18, 440, 20,
                 "Pure gases: a and b parameter are obtained from critical point conditions", 12,
                 fw::Wrap),
        fw::Text("StaticText6", 50, 120, 160, 33, "geometric average\rwith random mixing rule", 12,
                 fw::Wrap),
        fw::Text("StaticText8", 280, 120, 137, 20, "arithmetic average", 12, fw::Wrap),
        fw::CanvasRow("Canvas1", 50, 50, 130, 50, ai_150),
        fw::CanvasRow("Canvas2", 280, 50, 126, 50, bi_126),
        fw::CanvasRow("Canvas3", 50, 170, 173, 50, amix_173),
        fw::CanvasRow("Canvas4", 280, 170, 134, 50, bmix_134),
        fw::CanvasRow("Canvas5", 50, 230, 208, 50, aij_208),
        fw::CanvasRow("Canvas6", 110, 300, 146, 50, pc_146),
        fw::CanvasRow("Canvas7", 110, 360, 179, 30, Tcij_179),
        fw::CanvasRow("Canvas8", 110, 400, 179, 50, Vcij_179),
        fw::CanvasRow("Canvas9", 110, 460, 228, 50, zcij_228),
    };
    return l;
  }();
  return layout;
}

Start1aWindow::Start1aWindow() : fw::Window(Layout()) {
  OnAction("PushButton1", [this] { PushButton1_Action(); });
}

void Start1aWindow::PushButton1_Action() { fw::ShowWindow<Start2Window>(); }
