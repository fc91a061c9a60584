// vestrel-capture DIR: builds every window of the application on the offscreen
// platform and writes each as DIR/<class name>.png, to look at the layouts.
#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>

#include "app/Procedures.h"
#include "app/Program.h"
#include "app/Start1aWindow.h"
#include "app/Start2Window.h"
#include "app/Start3Window.h"
#include "framework/Inspection.h"
#include "framework/Window.h"

namespace {

bool Save(fw::Window& window, const QDir& directory) {
  window.Show();
  QApplication::processEvents();
  const QString path = directory.filePath(QString::fromStdString(window.ClassName()) + ".png");
  const bool saved = window.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
  const std::vector<std::string> clipped = fw::ClippedControls(window);
  for (const std::string& name : clipped) std::printf("  clipped: %s\n", name.c_str());
  return saved && clipped.empty();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QDir directory(QString::fromLocal8Bit(argv[1]));
  if (!directory.mkpath(".")) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  app::StartUp();
  bool ok = true;
  for (fw::Window* window : fw::OpenWindows()) ok = Save(*window, directory) && ok;
  ok = Save(fw::SoleInstance<Start1aWindow>(), directory) && ok;
  ok = Save(fw::SoleInstance<Start2Window>(), directory) && ok;
  ok = Save(fw::SoleInstance<Start3Window>(), directory) && ok;
  for (const app::Procedure& procedure : app::Procedures()) {
    procedure.open();
    fw::Window* window = fw::OpenWindow(procedure.windowClass);
    ok = window && Save(*window, directory) && ok;
  }
  // The isochore window opens only from the pressure window.
  if (fw::Window* pressures = fw::OpenWindow("PressureWindow")) {
    pressures->ButtonOf("PushButton1").Press();
    fw::Window* isochore = fw::OpenWindow("Isochore");
    ok = isochore && Save(*isochore, directory) && ok;
  }
  // The analysis and explanation windows open only from the critical point window.
  if (fw::Window* critical = fw::OpenWindow("CriticalPointWindow")) {
    for (const char* button : {"Analysis", "pseudo"}) critical->ButtonOf(button).Press();
    for (const char* name : {"MathAnal", "Explain"}) {
      fw::Window* window = fw::OpenWindow(name);
      ok = window && Save(*window, directory) && ok;
    }
  }
  app::Finalize();
  return ok ? 0 : 1;
}
