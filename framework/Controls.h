// The control classes that layouts name. Each is a Qt widget with the small
// set of operations the windows use; handlers are bound through fw::Window.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <optional>

#include "framework/Layout.h"

namespace fw {

// A text on one line never loses pixels at its ends: when it is wider (or
// taller) than its layout box, the box grows on the side(s) its alignment leaves
// free. A wrapping text keeps its box.
class StaticText : public QLabel {
  Q_OBJECT
 public:
  explicit StaticText(QWidget* parent);
  void SetText(const QString& text);  // '\r' breaks a line, as in the layouts
  QString Text() const;               // the text as set, '\r' included
  // The box of the layout, in the parent's coordinates: the least the text gets.
  void SetLayoutBox(const QRect& box);

 private:
  void FitBoxToText();

  QString text_;
  QRect layoutBox_;
};

class EditField : public QLineEdit {
  Q_OBJECT
 public:
  explicit EditField(QWidget* parent);
  void SetText(const QString& text);  // raises "TextChange" like typing does, when the text changes
  QString Text() const;

 signals:
  void TextChange();
};

class RadioButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit RadioButton(QWidget* parent);
  bool Value() const;
  // Turning a radio on turns the others of its group (the radios with the same
  // parent control) off; turning it off leaves the whole group off. Either raises
  // "Action" once for this button when its value changes.
  void SetValue(bool on);

 signals:
  void Action();

 protected:
  // A click turns the radio on (never off) and its siblings off, then raises "Action".
  void nextCheckState() override;

 private:
  void TurnSiblingsOff();
};

class PushButton : public QPushButton {
  Q_OBJECT
 public:
  explicit PushButton(QWidget* parent);
  void Press();  // as a click: raises "Action"
  bool IsDefault() const { return isDefault_; }
  void SetDefault(bool on);

 signals:
  void Action();

 private:
  bool isDefault_ = false;
};

class ScrollBar : public QScrollBar {
  Q_OBJECT
 public:
  explicit ScrollBar(QWidget* parent);
  int Value() const;
  void SetValue(int value);  // raises "ValueChanged" when the value changes
  int Maximum() const;
  // Lowering the maximum below the value moves the value down to it, which
  // raises "ValueChanged", so that whatever follows the value never stays past the end.
  void SetMaximum(int maximum);
  void SetHeight(int height);  // keeps left, top and width
};

// A multi-column list with headings. Rows hold text cells; a cell set to the
// editable type can be edited in place by a click or from code.
class ListBox : public QTableWidget {
  Q_OBJECT
 public:
  static constexpr int TypeDefault = 0;
  static constexpr int TypeEditable = 3;

  explicit ListBox(QWidget* parent);
  // Columns, their widths ("80,60,*", "30%, 70%": pixels, percent of the list's
  // inner width, '*' for an equal share of the rest) and headings ("A\tB").
  void Configure(int columns, const QString& columnWidths, const QString& headings);
  void SetHeading(int column, const QString& text);
  QString Heading(int column) const;

  void AddRow(const QStringList& cells);
  void DeleteAllRows();
  int ListCount() const;
  QString Cell(int row, int column) const;
  void SetCell(int row, int column, const QString& text);  // does not raise "CellTextChange"
  int CellType(int row, int column) const;
  void SetCellType(int row, int column, int type);
  // Opens the in-place editor of an editable cell. Called from a "CellClick"
  // handler, the editor opens once the list has handled the click itself.
  void EditCell(int row, int column);

  // The "CellClick" handler: row, column and the click's position within the
  // cell; returns true when it handled the click (the list then does nothing more).
  std::function<bool(int row, int column, int x, int y)> cellClickHandler;

 signals:
  void CellTextChange(int row, int column);  // a user's edit of a cell's text

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QTableWidgetItem* ItemAt(int row, int column);
  void OpenEditor(int row, int column);

  bool settingByCode_ = false;
  bool inClick_ = false;
  std::optional<std::pair<int, int>> pendingEdit_;
};

// A control that shows a picture; takes no focus and no clicks.
class PictureView : public QWidget {
  Q_OBJECT
 public:
  PictureView(QWidget* parent, bool centred);
  void SetPicture(Picture picture);
  const Picture& CurrentPicture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture picture_;
  bool centred_;
};

// A picture as the control's fixed backdrop, from its top-left corner.
class Canvas : public PictureView {
  Q_OBJECT
 public:
  explicit Canvas(QWidget* parent) : PictureView(parent, false) {}
  void SetBackdrop(Picture picture) { SetPicture(std::move(picture)); }
  const Picture& Backdrop() const { return CurrentPicture(); }
};

// A picture shown centred in the control.
class ImageWell : public PictureView {
  Q_OBJECT
 public:
  explicit ImageWell(QWidget* parent) : PictureView(parent, true) {}
  void SetImage(Picture picture) { SetPicture(std::move(picture)); }
  const Picture& Image() const { return CurrentPicture(); }
};

class GroupBox : public QGroupBox {
  Q_OBJECT
 public:
  explicit GroupBox(QWidget* parent);
};

// A straight black line of 1 pixel between two corners of the control's box.
class Line : public QWidget {
  Q_OBJECT
 public:
  Line(QWidget* parent, bool rising);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool rising_;  // from bottom-left to top-right
};

// White fill, black border of 1 pixel (or none), square or rounded corners.
class Rectangle : public QWidget {
  Q_OBJECT
 public:
  Rectangle(QWidget* parent, int cornerOval, bool border);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int cornerOval_;
  bool border_;
};

}  // namespace fw
