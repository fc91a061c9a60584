// The fifteen calculation procedures of the procedure window, in the order of
// the screen: the radio button that picks each, and the window it opens.
#pragma once

#include <array>

namespace app {

struct Procedure {
  const char* radio;        // name of the radio button in the procedure window
  const char* caption;      // its caption
  int top;                  // its top, pixels
  int width;                // its width, pixels
  const char* windowClass;  // the class name of the window it opens
  void (*open)();           // shows that window (its sole instance)
};

const std::array<Procedure, 15>& Procedures();

}  // namespace app
