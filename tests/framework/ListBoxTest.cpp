// The list box: rows set by code raise nothing; a click can open a cell for
// editing, and the user's edit raises "CellTextChange"; closing the window with
// an edit open is safe.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include "tests/framework/TestWindows.h"

namespace {

using fwtest::SampleWindow;

struct ListWindow {
  SampleWindow& window = fw::SoleInstance<SampleWindow>();
  fw::ListBox& list = window.List("List");
  std::vector<std::pair<int, int>> changes;
  std::vector<std::pair<int, int>> clicks;

  // The handlers of the phase lists: a click opens the value cell of its row.
  ListWindow() {
    window.OnCellClick("List", [this](int row, int column, int, int) {
      clicks.emplace_back(row, column);
      list.SetCellType(row, 1, fw::ListBox::TypeEditable);
      list.EditCell(row, 1);
      return false;
    });
    window.OnCellTextChange("List", [this](int row, int column) { changes.emplace_back(row, column); });
    list.AddRow({"H2O", "0.5"});
    list.AddRow({"CO2", "0.5"});
    window.Show();
    QApplication::setActiveWindow(&window);
  }

  void Click(int row, int column) {
    const QRect cell = list.visualItemRect(list.item(row, column));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
  }

  QLineEdit* Editor() const { return list.viewport()->findChild<QLineEdit*>(); }
};

class ListBoxTest : public ::testing::Test {
 protected:
  void TearDown() override { fw::DestroyAllWindows(); }
};

TEST_F(ListBoxTest, RowsAndCellsSetByCodeRaiseNothing) {
  ListWindow w;
  w.list.SetCell(1, 1, "0.25");
  w.list.SetCellType(1, 1, fw::ListBox::TypeEditable);
  EXPECT_TRUE(w.changes.empty());
  EXPECT_EQ(w.list.ListCount(), 2);
  EXPECT_EQ(w.list.Cell(1, 0), "CO2");
  EXPECT_EQ(w.list.Cell(1, 1), "0.25");
  EXPECT_EQ(w.list.Heading(1), "value");
  EXPECT_EQ(w.list.columnWidth(0), 60);
  w.list.DeleteAllRows();
  EXPECT_EQ(w.list.ListCount(), 0);
  EXPECT_EQ(w.list.Heading(0), "gas");
}

TEST_F(ListBoxTest, AClickOnTheNameOpensTheValueAndTheEditIsReported) {
  ListWindow w;
  w.Click(1, 0);
  EXPECT_EQ(w.clicks, (std::vector<std::pair<int, int>>{{1, 0}}));
  QLineEdit* editor = w.Editor();
  ASSERT_NE(editor, nullptr) << "the value cell is open for editing";
  editor->selectAll();
  QTest::keyClicks(editor, "0.25");
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();  // the list commits an edit once the key is handled
  EXPECT_EQ(w.list.Cell(1, 1), "0.25");
  EXPECT_EQ(w.changes, (std::vector<std::pair<int, int>>{{1, 1}}));
  EXPECT_EQ(w.list.CellType(1, 0), fw::ListBox::TypeDefault) << "names are never editable";
  EXPECT_EQ(w.list.CellType(0, 1), fw::ListBox::TypeDefault) << "only the clicked row opens";
}

TEST_F(ListBoxTest, ACellOfTheDefaultTypeDoesNotOpen) {
  ListWindow w;
  w.list.EditCell(0, 1);
  EXPECT_EQ(w.Editor(), nullptr);
}

TEST_F(ListBoxTest, ClosingTheWindowWithAnEditOpenIsSafe) {
  ListWindow w;
  QPointer<SampleWindow> alive(&w.window);
  w.Click(0, 1);
  ASSERT_NE(w.Editor(), nullptr);
  QTest::keyClicks(w.Editor(), "7");
  w.window.close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull());
}

TEST_F(ListBoxTest, DestroyingTheWindowWithAnEditOpenIsSafe) {
  ListWindow w;
  w.Click(0, 1);
  ASSERT_NE(w.Editor(), nullptr);
  QTest::keyClicks(w.Editor(), "7");
  fw::DestroyAllWindows();  // as at exit
  EXPECT_EQ(fw::OpenWindow("SampleWindow"), nullptr);
}

}  // namespace
