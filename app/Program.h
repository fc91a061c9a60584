// The program's start-up and exit steps, in their order.
#pragma once

#include <functional>
#include <string_view>

namespace app {

// The application object: holds the menu bar of every window.
class App {
 public:
  App();
};

// Start-up up to the first window: the module state, the framework's services,
// the application object with its menu bar, then the start window. Needs the
// QApplication.
void StartUp();

// The exit steps: the picture caches, the windows, the menu bar, the module
// state. `onStep` (for tests) hears the name of each step as it runs.
void Finalize(const std::function<void(std::string_view step)>& onStep = {});

// The whole program: start-up, the event loop until Quit, the exit steps.
// An error that escapes start-up goes to the handler of unhandled errors.
int Run(int argc, char** argv);

}  // namespace app
