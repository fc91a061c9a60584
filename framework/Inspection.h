// Checks of a built window that tests and the capture tool share.
#pragma once

#include <string>
#include <vector>

namespace fw {

class Window;

// The names of the window's controls whose text does not fit their box in the
// font they use: a static text wider or (wrapped) taller than its box, a caption
// of a radio button, push button or group box wider than the room it has.
std::vector<std::string> ClippedControls(const Window& window);

}  // namespace fw
