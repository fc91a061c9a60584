#include "app/Start3Window.h"

#include "app/Procedures.h"

namespace {

// The radios are created in this order (procedure numbers of the screen order):
// the last two stand above the energy procedures on screen.
constexpr int kCreationOrder[15] = {0, 1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14, 8, 7};

}  // namespace

const fw::WindowLayout& Start3Window::Layout() {
  static const fw::WindowLayout layout = [] {
    fw::WindowLayout l{.className = "Start3Window", .title = "Procedures", .width = 300, .height = 570,
                       .placement = 0, .controls = {}};
    l.controls = {
        fw::Text("StaticText1", 20, 20, 200, 22, "Calculation procedure", 18),
        fw::Button("PushButton1", 205, 525, 75, 25, "continue", 12, fw::DefaultButton),
    };
    for (int index : kCreationOrder) {
      const app::Procedure& p = app::Procedures()[index];
      l.controls.push_back(fw::Radio(p.radio, 40, p.top, p.width, 20, p.caption, 14));
    }
    return l;
  }();
  return layout;
}

Start3Window::Start3Window() : fw::Window(Layout()) {
  OnAction("PushButton1", [this] { PushButton1_Action(); });
}

// Every row is tested, in the order of the screen; the radios form one group, so
// at most one window opens.
void Start3Window::PushButton1_Action() {
  for (const app::Procedure& p : app::Procedures())
    if (RadioOf(p.radio).Value()) p.open();
}
