// The application object: fonts, the cooperative yield, the menu bar on every
// window, the handler of unhandled errors.
#pragma once

#include <QApplication>
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QMenuBar;

namespace fw {

// The family of the shipped font that every text of the program uses.
QString FontFamily();

// Makes the shipped font the application font (sizes in pixels), the same widget
// style on every platform, and installs the cooperative yield into the engine.
// Call once, after the QApplication exists.
void InstallServices();

// Lets windows repaint (no user input) at most about every 50 ms; the engine's loops
// call it through its yield hook, once per pass. Most calls only count: the clock
// is read on every 32nd, and on the first after InstallServices.
void RuntimeBackgroundTask();

// One item of a menu: its name, its text ("&" before the mnemonic letter, "-" for
// a separator) and its shortcut ("Cmd+Q" style, Cmd meaning the platform's
// command key; empty for none).
struct MenuItemSpec {
  std::string name;
  QString text;
  QString shortcut;
};

// A menu of the bar: its title item and its items in order.
struct MenuSpec {
  std::string name;
  QString text;
  std::vector<MenuItemSpec> items;
};

// Builds a menu bar for one window; the application sets the builder once.
void SetMenuBarBuilder(std::function<void(QMenuBar& bar)> builder);
void BuildMenuBar(QMenuBar& bar);  // used by every Window at construction

// Fills `bar` with `menus`, each item doing the standard handling of its name
// (see PerformStandardItem). Each menu and item is a child of the bar under its name.
void AddStandardMenus(QMenuBar& bar, const std::vector<MenuSpec>& menus);

// The standard handling of a menu item by its name: "FileQuit" quits; "EditUndo",
// "EditCut", "EditCopy", "EditPaste", "EditClear" (delete the selection) and
// "EditSelectAll" act on the focused edit field. Other names do nothing.
void PerformStandardItem(std::string_view itemName);

// The handler of errors that no handler caught: shows the message, then ends the
// event loop, after which the program runs its exit steps.
void HandleUnhandledError(const char* what);

// Replaces the way HandleUnhandledError shows its message (a modal message box);
// nullptr restores it.
void SetUnhandledErrorReporter(std::function<void(const QString& message)> reporter);

}  // namespace fw
