#include "app/Program.h"

#include <QApplication>
#include <exception>
#include <memory>

#include "app/MenuBar1.h"
#include "resources/PictureTable.h"
#include "app/Start1Window.h"
#include "engine/Globals.h"
#include "framework/Application.h"
#include "framework/Window.h"

namespace app {

namespace {

std::unique_ptr<App>& TheApp() {
  static std::unique_ptr<App> app;
  return app;
}

// The module state as at start: every array zero, the fixed-point scale 10^12.
void CreateModuleState() { Globals = Engine{}; }

void Step(const std::function<void(std::string_view)>& onStep, std::string_view name) {
  if (onStep) onStep(name);
}

}  // namespace

App::App() {
  TheMenuBar1();
  fw::SetMenuBarBuilder([](QMenuBar& bar) {
    if (MenuBar1Exists()) fw::AddStandardMenus(bar, TheMenuBar1().Menus());
  });
}

void StartUp() {
  CreateModuleState();
  fw::InstallServices();
  TheApp() = std::make_unique<App>();
  fw::SoleInstance<Start1Window>();  // visible by its layout
}

void Finalize(const std::function<void(std::string_view)>& onStep) {
  Step(onStep, "pictures");
  ReleasePictures();
  Step(onStep, "windows");
  fw::DestroyAllWindows();
  Step(onStep, "menu bar");
  ReleaseMenuBar1();
  TheApp().reset();
  Step(onStep, "module state");
  CreateModuleState();
}

int Run(int argc, char** argv) {
  QApplication application(argc, argv);
  int status = 0;
  try {
    StartUp();
    status = QApplication::exec();
  } catch (const std::exception& error) {
    fw::HandleUnhandledError(error.what());
    status = 1;
  }
  Finalize();
  return status;
}

}  // namespace app
