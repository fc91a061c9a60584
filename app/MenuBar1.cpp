#include "app/MenuBar1.h"

#include <memory>

namespace app {

namespace {

std::unique_ptr<MenuBar1>& Instance() {
  static std::unique_ptr<MenuBar1> instance;
  return instance;
}

}  // namespace

MenuBar1::MenuBar1() {
  Untitled0();
  Untitled1();
}

void MenuBar1::Untitled0() {
  menus_.push_back({"FileMenu", "&File", {{"FileQuit", "&Quit", "Cmd+Q"}}});
}

void MenuBar1::Untitled1() {
  menus_.push_back({"EditMenu",
                    "&Edit",
                    {
                        {"EditUndo", "&Undo", "Cmd+Z"},
                        {"UntitledMenu1", "-", {}},
                        {"EditCut", "Cu&t", "Cmd+X"},
                        {"EditCopy", "&Copy", "Cmd+C"},
                        {"EditPaste", "&Paste", "Cmd+V"},
                        {"EditClear", "&Delete", {}},
                        {"UntitledMenu0", "-", {}},
                        {"EditSelectAll", "Select &All", "Cmd+A"},
                    }});
}

MenuBar1& TheMenuBar1() {
  if (!Instance()) Instance() = std::make_unique<MenuBar1>();
  return *Instance();
}

void ReleaseMenuBar1() { Instance().reset(); }

bool MenuBar1Exists() { return static_cast<bool>(Instance()); }

}  // namespace app
