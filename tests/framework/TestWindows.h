// Small windows built from layouts, for the framework's own tests.
#pragma once

#include <functional>

#include "framework/Window.h"

namespace fwtest {

// Controls of every class, two radio groups (the window's and a group box's), a
// scrolled panel with a child, and a group box created after the radios it frames.
class SampleWindow : public fw::Window {
 public:
  SampleWindow();
  static const fw::WindowLayout& Layout();

  int goPresses = 0, otherPresses = 0, entryChanges = 0, scrollChanges = 0;
  int activations = 0;
  std::function<void()> onGo;  // extra work of the "Go" handler
  std::function<void()> a2Action;
  std::vector<std::string> radioActions;

 protected:
  void Event_Activate() override { ++activations; }
};

// Resizable in height between 100 and 300, 200 high at first.
class TallWindow : public fw::Window {
 public:
  TallWindow() : fw::Window(Layout()) {}
  static const fw::WindowLayout& Layout();
  std::vector<int> heightsSeen;

 protected:
  void Event_Resizing() override { heightsSeen.push_back(Height()); }
};

}  // namespace fwtest
