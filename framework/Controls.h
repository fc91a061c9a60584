// The control classes that layouts name. Each is a Qt widget with the small
// set of operations the windows use; handlers are bound through fw::Window.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QWidget>

#include "framework/Layout.h"

namespace fw {

class StaticText : public QLabel {
  Q_OBJECT
 public:
  explicit StaticText(QWidget* parent);
  void SetText(const QString& text);  // '\r' breaks a line, as in the layouts
  QString Text() const;
};

class EditField : public QLineEdit {
  Q_OBJECT
 public:
  explicit EditField(QWidget* parent);
  void SetText(const QString& text);  // raises "TextChange" like typing does
  QString Text() const;
};

class RadioButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit RadioButton(QWidget* parent);
  bool Value() const;
  // Turning a radio on turns the others of its group off; turning it off leaves the
  // whole group off. Either raises "Action" once for this button.
  void SetValue(bool on);
};

class PushButton : public QPushButton {
  Q_OBJECT
 public:
  explicit PushButton(QWidget* parent);
  void Press();  // as a click: raises "Action"
};

class ScrollBar : public QScrollBar {
  Q_OBJECT
 public:
  explicit ScrollBar(QWidget* parent);
  int Value() const;
  void SetValue(int value);  // raises "ValueChanged" when the value changes
  int Maximum() const;
  void SetMaximum(int maximum);
};

// A multi-column list with headings. Rows hold text cells; a cell set to the
// editable type can be edited in place by a click or from code.
class ListBox : public QTableWidget {
  Q_OBJECT
 public:
  static constexpr int TypeDefault = 0;
  static constexpr int TypeEditable = 3;

  explicit ListBox(QWidget* parent);
  void AddRow(const QStringList& cells);
  void DeleteAllRows();
  int ListCount() const;
  QString Cell(int row, int column) const;
  void SetCell(int row, int column, const QString& text);  // does not raise "CellTextChange"
  void SetCellType(int row, int column, int type);
  void EditCell(int row, int column);  // opens the in-place editor of an editable cell
};

}  // namespace fw
