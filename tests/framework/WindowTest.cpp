// Windows built from layouts: the registry, creation, placement of nested
// controls, radio groups, the default button, the Edit menu, the scroll bar,
// closing while a handler runs, and errors that escape a handler.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "engine/Services.h"

#include "framework/Application.h"
#include "framework/Inspection.h"
#include "tests/framework/TestWindows.h"

namespace fwtest {

const fw::WindowLayout& SampleWindow::Layout() {
  static const fw::WindowLayout layout{
      .className = "SampleWindow",
      .title = "Sample",
      .width = 560,
      .height = 400,
      .controls = {
          fw::Text("Label", 10, 10, 100, 20, "label"),
          fw::Edit("Entry", 10, 40, 100, 25),
          fw::Radio("A1", 10, 80, 60, 20, "a1", 12, fw::On),
          fw::Radio("A2", 10, 100, 60, 20, "a2"),
          fw::Group("Group", 200, 10, 100, 80, "group"),
          fw::Radio("B1", 210, 30, 60, 20, "b1", 12, fw::On, "Group"),
          fw::Radio("B2", 210, 55, 60, 20, "b2", 12, fw::NoFlags, "Group"),
          fw::Radio("C1", 110, 110, 60, 20, "c1"),
          fw::Group("Late", 100, 100, 90, 40),
          fw::Button("Go", 10, 130, 60, 25, "go", 12, fw::DefaultButton),
          fw::Button("Other", 80, 130, 60, 25, "other"),
          fw::RectangleRow("Panel", 0, 170, 300, 200, {}, fw::NoBorder),
          fw::Text("Inner", 20, 190, 100, 20, "inner", 12, fw::NoFlags, "Panel"),
          fw::ScrollBarRow("Scroll", 300, 170, 15, 200, 100),
          fw::ListBoxRow("List", 320, 10, 220, 120, 2, "60,*", "gas\tvalue"),
      }};
  return layout;
}

SampleWindow::SampleWindow() : fw::Window(Layout()) {
  OnAction("Go", [this] {
    ++goPresses;
    if (onGo) onGo();
  });
  OnAction("Other", [this] { ++otherPresses; });
  OnTextChange("Entry", [this] { ++entryChanges; });
  OnValueChanged("Scroll", [this] { ++scrollChanges; });
  for (const char* radio : {"A1", "A2", "B1", "B2", "C1"})
    OnAction(radio, [this, radio] { radioActions.push_back(radio); });
}

const fw::WindowLayout& TallWindow::Layout() {
  static const fw::WindowLayout layout{.className = "TallWindow", .title = "Tall", .width = 200,
                                       .height = 200, .resizable = true, .minHeight = 100,
                                       .maxHeight = 300, .controls = {}};
  return layout;
}

}  // namespace fwtest

namespace {

// Opens centred on the screen, and holds a list whose columns share its width in percent.
class CentredWindow : public fw::Window {
 public:
  CentredWindow() : fw::Window(Layout()) {}
  static const fw::WindowLayout& Layout() {
    static const fw::WindowLayout layout{
        .className = "CentredWindow", .title = "Centred", .width = 300, .height = 200,
        .placement = 0,
        .controls = {fw::ListBoxRow("List", 50, 20, 200, 150, 2, "30%,70%", "T\tP", 10)}};
    return layout;
  }
};

}  // namespace

namespace {

using fwtest::SampleWindow;

void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The window's content: the parent of controls that lie on the window itself.
QPoint PositionInContent(const fw::Window& window, std::string_view name) {
  QWidget& control = window.Control(name);
  return control.mapTo(window.Control("Label").parentWidget(), QPoint(0, 0));
}

class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    fw::DestroyAllWindows();
    fw::SetUnhandledErrorReporter(nullptr);
  }
};

TEST_F(WindowTest, OneInstancePerClassUntilTheUserClosesIt) {
  SampleWindow& first = fw::SoleInstance<SampleWindow>();
  EXPECT_EQ(&fw::SoleInstance<SampleWindow>(), &first);
  EXPECT_EQ(fw::OpenWindow("SampleWindow"), &first);

  QPointer<SampleWindow> closed(&first);
  first.close();
  EXPECT_EQ(fw::OpenWindow("SampleWindow"), nullptr);
  DeleteClosedWindows();
  EXPECT_TRUE(closed.isNull());

  SampleWindow& second = fw::SoleInstance<SampleWindow>();
  EXPECT_EQ(second.Field("Entry").Text(), "");
  EXPECT_TRUE(second.RadioOf("A1").Value());
}

TEST_F(WindowTest, CreationAppliesInitialValuesWithoutRunningHandlers) {
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  QCoreApplication::processEvents();
  EXPECT_TRUE(window.RadioOf("A1").Value());
  EXPECT_TRUE(window.RadioOf("B1").Value());
  EXPECT_EQ(window.ScrollBarOf("Scroll").Maximum(), 100);
  EXPECT_TRUE(window.radioActions.empty());
  EXPECT_EQ(window.entryChanges + window.scrollChanges + window.goPresses, 0);
  EXPECT_EQ(window.objectName(), "SampleWindow");
  EXPECT_EQ(window.findChild<QWidget*>("B2"), &window.Control("B2"));
  EXPECT_THROW(window.Label("Entry"), std::logic_error);
  EXPECT_EQ(window.Find("Nothing"), nullptr);
}

TEST_F(WindowTest, LayoutPositionsAreWindowCoordinatesAlsoInsideParents) {
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  EXPECT_EQ(window.Control("B1").pos(), QPoint(10, 20));  // within "Group" at 200, 10
  EXPECT_EQ(PositionInContent(window, "B1"), QPoint(210, 30));
  EXPECT_EQ(PositionInContent(window, "Inner"), QPoint(20, 190));
  EXPECT_EQ(window.Width(), 560);
  EXPECT_EQ(window.Height(), 400);
}

TEST_F(WindowTest, ControlsMoveWithTheirPanel) {
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  window.SetTop("Panel", 170 - 100);
  EXPECT_EQ(PositionInContent(window, "Inner"), QPoint(20, 90));
}

TEST_F(WindowTest, ACentredWindowHasItsMiddleAtTheMiddleOfTheScreen) {
  auto& window = fw::SoleInstance<CentredWindow>();
  const QPoint screenMiddle = QGuiApplication::primaryScreen()->availableGeometry().center();
  const QPoint windowMiddle = window.frameGeometry().center();
  EXPECT_LE((windowMiddle - screenMiddle).manhattanLength(), 2)
      << windowMiddle.x() << "," << windowMiddle.y() << " against " << screenMiddle.x() << ","
      << screenMiddle.y();
}

TEST_F(WindowTest, PercentColumnsShareTheListsViewport) {
  auto& window = fw::SoleInstance<CentredWindow>();
  window.Show();
  QCoreApplication::processEvents();
  const fw::ListBox& list = window.List("List");
  const int viewport = list.viewport()->width();
  EXPECT_EQ(list.columnWidth(0), viewport * 30 / 100);
  EXPECT_EQ(list.columnWidth(1), viewport * 70 / 100);
}

TEST_F(WindowTest, RadiosAreExclusiveWithinTheirParentOnly) {
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  QTest::mouseClick(&window.RadioOf("A2"), Qt::LeftButton);
  EXPECT_TRUE(window.RadioOf("A2").Value());
  EXPECT_FALSE(window.RadioOf("A1").Value());
  EXPECT_TRUE(window.RadioOf("B1").Value()) << "a group box is a group of its own";

  // A click on a radio that is on leaves it on and raises nothing.
  QTest::mouseClick(&window.RadioOf("A2"), Qt::LeftButton);
  EXPECT_TRUE(window.RadioOf("A2").Value());
  EXPECT_EQ(window.radioActions, std::vector<std::string>{"A2"});

  window.RadioOf("B2").SetValue(true);
  EXPECT_FALSE(window.RadioOf("B1").Value());
  EXPECT_TRUE(window.RadioOf("A2").Value());
  window.RadioOf("B2").SetValue(false);  // a whole group may be off
  EXPECT_FALSE(window.RadioOf("B1").Value());
  EXPECT_FALSE(window.RadioOf("B2").Value());
  EXPECT_EQ(window.radioActions, (std::vector<std::string>{"A2", "B2", "B2"}));
}

TEST_F(WindowTest, ARadioSetToTheValueItHasRaisesNothing) {
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  window.RadioOf("A1").SetValue(true);   // on from the layout
  window.RadioOf("B2").SetValue(false);  // off from the layout
  EXPECT_TRUE(window.radioActions.empty());
  EXPECT_TRUE(window.RadioOf("A1").Value());
  EXPECT_TRUE(window.RadioOf("B1").Value());
}

TEST_F(WindowTest, AFrameCreatedAfterARadioNeitherHidesNorCatchesItsClicks) {
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  QWidget& radio = window.Control("C1");
  EXPECT_EQ(radio.parentWidget()->childAt(radio.geometry().center()), &radio);
}

TEST_F(WindowTest, ReturnPressesTheDefaultButtonOnly) {
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  QTest::keyClick(&window.Field("Entry"), Qt::Key_Return);
  EXPECT_EQ(window.goPresses, 1);
  QTest::keyClick(&window.ButtonOf("Other"), Qt::Key_Enter);
  EXPECT_EQ(window.goPresses, 2);
  EXPECT_EQ(window.otherPresses, 0);
  QTest::keyClick(&window.RadioOf("A1"), Qt::Key_Return);
  EXPECT_EQ(window.goPresses, 3);

  window.ButtonOf("Go").setEnabled(false);
  QTest::keyClick(&window.Field("Entry"), Qt::Key_Return);
  EXPECT_EQ(window.goPresses, 3);
}

TEST_F(WindowTest, EditFieldTextSetByCodeRaisesTextChange) {
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  window.Field("Entry").SetText("1.5");
  QTest::keyClicks(&window.Field("Entry"), "2");
  EXPECT_EQ(window.Field("Entry").Text(), "1.52");
  EXPECT_EQ(window.entryChanges, 2);
}

TEST_F(WindowTest, ScrollBarKeepsItsValueWithinTheMaximum) {
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  fw::ScrollBar& bar = window.ScrollBarOf("Scroll");
  bar.SetValue(80);
  EXPECT_EQ(window.scrollChanges, 1);
  bar.SetMaximum(50);  // below the value: the value follows, and says so
  EXPECT_EQ(bar.Value(), 50);
  EXPECT_EQ(window.scrollChanges, 2);
  bar.SetMaximum(200);
  bar.SetValue(50);
  EXPECT_EQ(window.scrollChanges, 2);
}

TEST_F(WindowTest, AResizableWindowChangesItsHeightOnlyWithinItsLimits) {
  auto& window = fw::SoleInstance<fwtest::TallWindow>();
  const int menu = window.height() - window.Height();
  window.resize(200, menu + 250);
  window.resize(400, menu + 1000);
  window.resize(200, menu + 10);
  EXPECT_EQ(window.heightsSeen, (std::vector<int>{250, 300, 100}));
  EXPECT_EQ(window.width(), 200);

  SampleWindow& fixed = fw::SoleInstance<SampleWindow>();
  fixed.resize(900, 900);
  EXPECT_EQ(fixed.Height(), 400);
}

TEST_F(WindowTest, EventActivateRunsEachTimeTheWindowBecomesActive) {
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  window.Show();
  QApplication::setActiveWindow(&window);
  EXPECT_EQ(window.activations, 1);
}

TEST_F(WindowTest, AWindowClosedByItsOwnHandlerLivesUntilTheHandlerReturns) {
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  QPointer<SampleWindow> alive(&window);
  bool stillThere = false;
  window.onGo = [&] {
    window.close();
    fw::RuntimeBackgroundTask();  // a yield of a long calculation
    DeleteClosedWindows();
    window.Label("Label").SetText("done");
    stillThere = !alive.isNull();
  };
  window.ButtonOf("Go").Press();
  EXPECT_TRUE(stillThere);
  EXPECT_EQ(fw::OpenWindow("SampleWindow"), nullptr);
  DeleteClosedWindows();
  EXPECT_TRUE(alive.isNull());
}

TEST_F(WindowTest, AnErrorEscapingAHandlerIsReportedAndEndsTheEventLoop) {
  QString reported;
  fw::SetUnhandledErrorReporter([&](const QString& message) { reported = message; });
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  window.onGo = [] { throw std::runtime_error("matrix is singular"); };
  QTimer::singleShot(0, &window, [&] { window.ButtonOf("Go").Press(); });
  EXPECT_EQ(QApplication::exec(), 1);
  EXPECT_TRUE(reported.contains("matrix is singular")) << reported.toStdString();
  EXPECT_EQ(fw::OpenWindow("SampleWindow"), &window);
}

TEST_F(WindowTest, AOneLineTextGrowsToShowAllOfItselfAWrappingOneKeepsItsBox) {
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  fw::StaticText& label = window.Label("Label");
  label.SetText("2.842171e-14 is far wider than the box of this label");
  EXPECT_EQ(label.x(), 10);
  EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance(label.text()));
  label.SetText("short");
  EXPECT_EQ(label.geometry(), QRect(10, 10, 100, 20));

  // A grown box is still clipped where it leaves the panel it lies in.
  EXPECT_EQ(fw::ClippedControls(window), std::vector<std::string>{});
  fw::StaticText& inner = window.Label("Inner");
  inner.SetText("a one-line text that grows past the right edge of the panel it lies in");
  EXPECT_EQ(fw::ClippedControls(window), std::vector<std::string>{"Inner"});
  inner.SetText("inner");

  label.setWordWrap(true);
  label.SetText("a text that wraps over several lines of the box");
  EXPECT_EQ(label.geometry(), QRect(10, 10, 100, 20));
  EXPECT_EQ(fw::ClippedControls(window), std::vector<std::string>{"Label"});
}

TEST_F(WindowTest, TheEngineYieldLetsQueuedWorkRunAtMostEveryFiftyMilliseconds) {
  fw::InstallServices();
  int ran = 0;
  QObject receiver;
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  QMetaObject::invokeMethod(&receiver, [&] { ++ran; }, Qt::QueuedConnection);
  ::RuntimeBackgroundTask();
  EXPECT_EQ(ran, 1);
  QMetaObject::invokeMethod(&receiver, [&] { ++ran; }, Qt::QueuedConnection);
  ::RuntimeBackgroundTask();  // right after the last one: no pass through the event loop
  EXPECT_EQ(ran, 1);
  QCoreApplication::processEvents();
}

// The yield lets window-system events through; an activation among them runs
// its Event_Activate once the handler has ended, never inside it.
TEST_F(WindowTest, AnActivationLetThroughByTheYieldWaitsForTheHandler) {
  fw::InstallServices();
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  QCoreApplication::processEvents();
  const int before = window.activations;
  int duringHandler = -1;
  window.onGo = [&] {
    QCoreApplication::postEvent(&window, new QEvent(QEvent::WindowActivate));
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    ::RuntimeBackgroundTask();
    duringHandler = window.activations;
  };
  window.ButtonOf("Go").Press();
  EXPECT_EQ(duringHandler, before);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.activations, before + 1);
}

TEST_F(WindowTest, EditMenuActsOnTheFocusedField) {
  fw::SetMenuBarBuilder([](QMenuBar& bar) {
    fw::AddStandardMenus(bar, {{"EditMenu", "&Edit",
                                {{"EditUndo", "&Undo", "Cmd+Z"}, {"Sep", "-", {}},
                                 {"EditCut", "Cu&t", "Cmd+X"}, {"EditPaste", "&Paste", "Cmd+V"},
                                 {"EditClear", "&Delete", {}},
                                 {"EditSelectAll", "Select &All", "Cmd+A"}}}});
  });
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  fw::SetMenuBarBuilder(nullptr);
  window.Show();
  QApplication::setActiveWindow(&window);
  fw::EditField& entry = window.Field("Entry");
  entry.setFocus();
  ASSERT_EQ(QApplication::focusWidget(), &entry);
  auto item = [&](const char* name) {
    auto* action = window.MenuBar().findChild<QAction*>(name);
    if (!action) throw std::logic_error(name);
    return action;
  };
  EXPECT_EQ(item("EditCut")->shortcut(), QKeySequence("Ctrl+X"));
  EXPECT_TRUE(item("EditClear")->shortcut().isEmpty());
  EXPECT_TRUE(item("Sep")->isSeparator());

  entry.SetText("0.25");
  item("EditSelectAll")->trigger();
  item("EditCut")->trigger();
  EXPECT_EQ(entry.Text(), "");
  EXPECT_EQ(QApplication::clipboard()->text(), "0.25");
  item("EditPaste")->trigger();
  item("EditPaste")->trigger();
  EXPECT_EQ(entry.Text(), "0.250.25");
  item("EditUndo")->trigger();
  EXPECT_NE(entry.Text(), "0.250.25");
  entry.SetText("0.25");
  entry.setCursorPosition(0);
  item("EditClear")->trigger();
  EXPECT_EQ(entry.Text(), "0.25") << "Delete with nothing selected removes nothing";
  item("EditSelectAll")->trigger();
  item("EditClear")->trigger();
  EXPECT_EQ(entry.Text(), "");
}

}  // namespace
