// The application's menu bar: File (Quit) and Edit (Undo, Cut, Copy, Paste,
// Delete, Select All), the same on every window. The items do the framework's
// standard handling of their names; the program adds no handler of its own.
#pragma once

#include <vector>

#include "framework/Application.h"

namespace app {

class MenuBar1 {
 public:
  MenuBar1();  // builds the File menu, then the Edit menu
  const std::vector<fw::MenuSpec>& Menus() const { return menus_; }

 private:
  void Untitled0();  // File
  void Untitled1();  // Edit
  std::vector<fw::MenuSpec> menus_;
};

// The one menu bar: created and built on the first call.
MenuBar1& TheMenuBar1();
// Drops the menu bar (the exit steps); the next call of TheMenuBar1 builds a new one.
void ReleaseMenuBar1();
bool MenuBar1Exists();

}  // namespace app
