// The application object: fonts, the cooperative yield, the menu bar on every
// window, the handler of unhandled errors.
#pragma once

#include <QApplication>
#include <functional>

class QMenuBar;

namespace fw {

// Makes the shipped font the application font (sizes in pixels) and installs the
// cooperative yield into the engine. Call once, after the QApplication exists.
void InstallServices();

// Lets windows repaint (no user input) at most about every 50 ms; the engine's loops
// call it through its yield hook.
void RuntimeBackgroundTask();

// Builds a menu bar for one window; the application sets the builder once.
void SetMenuBarBuilder(std::function<void(QMenuBar&)> builder);
void BuildMenuBar(QMenuBar& bar);  // used by every Window at construction

// The handler of errors that no handler caught: shows the message, then quits.
void HandleUnhandledError(const char* what);

}  // namespace fw
