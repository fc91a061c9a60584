// The walk from the start page to the procedure window and the fifteen
// procedures, the menu bar of every window, the layouts with the shipped font,
// and the exit steps.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSvgRenderer>

#include "app/MenuBar1.h"
#include "app/Procedures.h"
#include "framework/Inspection.h"
#include "framework/Numbers.h"
#include "tests/app/AppFixture.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

namespace {

int CountOpen(const std::string& className) {
  int count = 0;
  for (fw::Window* window : fw::OpenWindows()) count += window->ClassName() == className;
  return count;
}

Start3Window& ProcedureWindow() {
  fw::ShowWindow<Start1aWindow>();
  Start2Window& fluid = fw::ShowWindow<Start2Window>();
  fluid.Field("H2Onumber").SetText("1");
  fluid.ButtonOf("continue2").Press();
  return fw::SoleInstance<Start3Window>();
}

TEST_F(AppTest, StartUpShowsTheStartPageOnly) {
  const std::vector<fw::Window*> open = fw::OpenWindows();
  ASSERT_EQ(open.size(), 1u);
  EXPECT_EQ(open[0]->ClassName(), "Start1Window");
  EXPECT_EQ(open[0]->windowTitle(), "Start");
  EXPECT_TRUE(open[0]->isVisible());
  EXPECT_EQ(Globals.PrecisionFactor, 1'000'000'000'000);
}

TEST_F(AppTest, ReturnWalksFromPageToPageAndEachPageExistsOnce) {
  auto& start = fw::SoleInstance<Start1Window>();
  QTest::keyClick(&start, Qt::Key_Return);
  QTest::keyClick(&start, Qt::Key_Return);
  EXPECT_EQ(CountOpen("Start1aWindow"), 1);
  auto& rules = fw::SoleInstance<Start1aWindow>();
  EXPECT_EQ(rules.windowTitle(), "Mixing Rules");
  QTest::keyClick(&rules, Qt::Key_Return);
  ASSERT_NE(fw::OpenWindow("Start2Window"), nullptr);
  EXPECT_EQ(fw::OpenWindow("Start2Window")->windowTitle(), "Fluid");
  EXPECT_EQ(fw::OpenWindows().size(), 3u) << "no page closes another";

  rules.close();
  start.ButtonOf("continue1").Press();
  EXPECT_NE(fw::OpenWindow("Start1aWindow"), nullptr);
}

TEST_F(AppTest, ProcedureWindowOpensTheWindowOfTheChosenProcedure) {
  struct Expected {
    const char* radio;
    const char* className;
    const char* title;
    int width, height;
  };
  const Expected expected[] = {
      {"MolarVolumes", "VolumeWindow", "Molar Volumes", 460, 470},
      {"Pressures", "PressureWindow", "Pressures", 470, 290},
      {"Temperatures", "TemperatureWindow", "Temperatures", 470, 270},
      {"Fugacities", "FugacityWindow", "Fugacities", 460, 590},
      {"Activities", "ActivityWindow", "Activities", 480, 700},
      {"Homogenisation", "BubbleDewPoint", "Bubble-Dew point", 635, 700},
      {"LiquidVapour", "LiquidVapourEq", "Liquid-Vapour Equilibrium", 615, 700},
      {"Spinodal", "SpinodalWindow", "Untitled", 460, 510},
      {"CriticalPoint", "CriticalPointWindow", "Critical Point", 450, 660},
      {"InternalEnergy", "EnergyWindow", "Internal Energy", 455, 640},
      {"Enthalpy", "EnthalpyWindow", "Enthalpy", 455, 610},
      {"Entropy", "EntropyWindow", "Entropy", 455, 640},
      {"HelmholtzEnergy", "HelmholtzWindow", "Helmholtz Energy", 460, 645},
      {"GibbsEnergy", "GibbsWindow", "Gibbs Free Energy", 470, 610},
      {"ChemicalPotentials", "ChemPotWindow", "Chemical Potentials", 450, 730},
  };
  Start3Window& procedures = ProcedureWindow();
  const std::size_t before = fw::OpenWindows().size();
  procedures.ButtonOf("PushButton1").Press();
  EXPECT_EQ(fw::OpenWindows().size(), before) << "no procedure chosen: nothing opens";

  for (const Expected& e : expected) {
    QTest::mouseClick(&procedures.RadioOf(e.radio), Qt::LeftButton);
    QTest::keyClick(&procedures, Qt::Key_Return);
    fw::Window* opened = fw::OpenWindow(e.className);
    ASSERT_NE(opened, nullptr) << e.radio;
    EXPECT_EQ(opened->windowTitle(), e.title);
    EXPECT_EQ(QSize(opened->Width(), opened->Height()), QSize(e.width, e.height)) << e.className;
    EXPECT_TRUE(opened->isVisible()) << e.className;
    procedures.ButtonOf("PushButton1").Press();
    EXPECT_EQ(CountOpen(e.className), 1) << e.className;
  }
  EXPECT_EQ(fw::OpenWindows().size(), before + 15) << "every window stays open";
  EXPECT_NE(dynamic_cast<VolumeWindow*>(fw::OpenWindow("VolumeWindow")), nullptr);
  EXPECT_NE(dynamic_cast<PressureWindow*>(fw::OpenWindow("PressureWindow")), nullptr);
  EXPECT_NE(dynamic_cast<TemperatureWindow*>(fw::OpenWindow("TemperatureWindow")), nullptr);
  EXPECT_NE(dynamic_cast<FugacityWindow*>(fw::OpenWindow("FugacityWindow")), nullptr);
  EXPECT_NE(dynamic_cast<ActivityWindow*>(fw::OpenWindow("ActivityWindow")), nullptr);
  int on = 0;
  for (const app::Procedure& p : app::Procedures()) on += procedures.RadioOf(p.radio).Value();
  EXPECT_EQ(on, 1) << "the procedures form one group";
}

TEST_F(AppTest, EveryWindowHasTheFileAndEditMenus) {
  Start3Window& procedures = ProcedureWindow();
  procedures.RadioOf("Pressures").SetValue(true);
  procedures.ButtonOf("PushButton1").Press();
  for (fw::Window* window : fw::OpenWindows()) {
    const QList<QAction*> menus = window->MenuBar().actions();
    ASSERT_EQ(menus.size(), 2) << window->ClassName();
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Edit");
    QStringList items;
    for (QAction* item : menus[1]->menu()->actions())
      items << (item->isSeparator() ? "-" : item->text() + " " + item->shortcut().toString());
    EXPECT_EQ(items, QStringList({"&Undo Ctrl+Z", "-", "Cu&t Ctrl+X", "&Copy Ctrl+C",
                                  "&Paste Ctrl+V", "&Delete ", "-", "Select &All Ctrl+A"}))
        << window->ClassName();
    const QList<QAction*> file = menus[0]->menu()->actions();
    ASSERT_EQ(file.size(), 1);
    EXPECT_EQ(file[0]->shortcut(), QKeySequence("Ctrl+Q"));
  }
}

TEST_F(AppTest, EditMenuCutChangesTheSumLikeTyping) {
  Start2Window& fluid = FluidWindow();
  fluid.Show();
  QApplication::setActiveWindow(&fluid);
  fw::EditField& field = fluid.Field("CO2number");
  field.setFocus();
  Type(fluid, 1, "0.25");
  fluid.MenuBar().findChild<QAction*>("EditSelectAll")->trigger();
  fluid.MenuBar().findChild<QAction*>("EditCut")->trigger();
  EXPECT_EQ(field.Text(), "");
  EXPECT_EQ(SumText(fluid), "0");
  fluid.MenuBar().findChild<QAction*>("EditPaste")->trigger();
  EXPECT_EQ(SumText(fluid), "0.25");
}

TEST_F(AppTest, EveryTextOfTheShellFitsItsBox) {
  ProcedureWindow();
  for (const char* name : {"Start1Window", "Start1aWindow", "Start2Window", "Start3Window"}) {
    fw::Window* window = fw::OpenWindow(name);
    ASSERT_NE(window, nullptr) << name;
    EXPECT_EQ(fw::ClippedControls(*window), std::vector<std::string>{}) << name;
  }
}

TEST_F(AppTest, EveryPictureOfTheShellLoadsAtItsControlsSize) {
  ProcedureWindow();
  int pictures = 0;
  for (const char* name : {"Start1Window", "Start1aWindow", "Start2Window"}) {
    fw::Window* window = fw::OpenWindow(name);
    ASSERT_NE(window, nullptr) << name;
    for (fw::PictureView* view : window->findChildren<fw::PictureView*>()) {
      ++pictures;
      const QString control = view->objectName();
      ASSERT_TRUE(view->CurrentPicture()) << name << " " << control.toStdString();
      const QSize size = view->CurrentPicture()->defaultSize();
      if (control == "Canvas1" && std::string(name) == "Start1aWindow") {
        EXPECT_EQ(size.height(), view->height()) << "ai_150 lies on a narrower canvas";
        continue;
      }
      EXPECT_EQ(size, view->size()) << name << " " << control.toStdString();
    }
  }
  EXPECT_EQ(pictures, 3 + 9 + 21);
}

TEST_F(AppTest, ExitReleasesPicturesWindowsMenuBarAndModuleStateInThisOrder) {
  ProcedureWindow();
  QPointer<fw::Window> start(fw::OpenWindow("Start1Window"));
  Globals.TempKelvin = 300.0;
  std::vector<std::string> steps;
  app::Finalize([&](std::string_view step) {
    if (step == "windows") {
      EXPECT_FALSE(start.isNull()) << "pictures go before the windows";
    }
    if (step == "menu bar") {
      EXPECT_TRUE(start.isNull());
    }
    steps.emplace_back(step);
  });
  EXPECT_EQ(steps, (std::vector<std::string>{"pictures", "windows", "menu bar", "module state"}));
  EXPECT_TRUE(fw::OpenWindows().empty());
  EXPECT_FALSE(app::MenuBar1Exists());
  EXPECT_EQ(Globals.TempKelvin, 0.0);
  EXPECT_EQ(Globals.fraction[0], 0.0);
  app::StartUp();  // for TearDown
}

}  // namespace

// The whole road of one request, as a user takes it: a composition typed into the
// fluid window, the procedure chosen, conditions typed, roots listed, one picked.
TEST_F(AppTest, AUserWalksFromTheStartPageToAMolarVolume) {
  QTest::keyClick(&fw::SoleInstance<Start1Window>(), Qt::Key_Return);
  QTest::keyClick(fw::OpenWindow("Start1aWindow"), Qt::Key_Return);
  auto* fluid = dynamic_cast<Start2Window*>(fw::OpenWindow("Start2Window"));
  ASSERT_NE(fluid, nullptr);
  Type(*fluid, CO2, "0.5");
  Type(*fluid, CH4, "0.5");
  QTest::keyClick(fluid, Qt::Key_Return);
  auto* procedures = dynamic_cast<Start3Window*>(fw::OpenWindow("Start3Window"));
  ASSERT_NE(procedures, nullptr);
  QTest::mouseClick(&procedures->RadioOf("MolarVolumes"), Qt::LeftButton);
  QTest::keyClick(procedures, Qt::Key_Return);
  auto* volumes = dynamic_cast<VolumeWindow*>(fw::OpenWindow("VolumeWindow"));
  ASSERT_NE(volumes, nullptr);

  QTest::keyClicks(&volumes->Field("dataEntry"), "20");
  QTest::keyClicks(&volumes->Field("dataEntry1"), "300");
  QTest::keyClick(volumes, Qt::Key_Return);
  Composition x{};
  x[CO2] = 0.5;
  x[CH4] = 0.5;
  const CubicRoots roots = Globals.Volume(x, 300.0, 20.0);
  ASSERT_EQ(roots[1][0], 0.0) << "one real root at 300 K and 20 MPa";
  EXPECT_EQ(volumes->Label("TextChoice0").Text(), fw::Str(roots[0][0]));

  QTest::mouseClick(&volumes->RadioOf("Choice0"), Qt::LeftButton);
  EXPECT_EQ(volumes->Label("Result").Text(), fw::Str(roots[0][0]));
  EXPECT_EQ(volumes->Label("DensityResult").Text(), fw::Str(Globals.Density(x, roots[0][0])));
  EXPECT_EQ(volumes->Label("ExcessVol").Text(),
            fw::Str(Globals.Excess(0, x, 300.0, 20.0, roots[0][0])));
}
