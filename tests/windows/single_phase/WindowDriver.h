// Drives the single-phase windows as a user would: typed entries, clicks on
// buttons and radios, and a fresh window for each test.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <initializer_list>
#include <utility>

#include "engine/Globals.h"
#include "framework/Window.h"

namespace single_phase_test {

// Closes the open instance of W, if any, and opens a new one, as after a restart
// of that window.
template <class W>
W& FreshWindow() {
  if (fw::Window* open = fw::OpenWindow(W::Layout().className)) {
    open->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  W& window = fw::ShowWindow<W>();
  QCoreApplication::processEvents();
  return window;
}

// Replaces the text of an entry field by typing `text` into it.
inline void Type(fw::Window& window, std::string_view field, const QString& text) {
  fw::EditField& edit = window.Field(field);
  edit.SetText({});
  QTest::keyClicks(&edit, text);
}

inline void Click(fw::Window& window, std::string_view control) {
  QTest::mouseClick(&window.Control(control), Qt::LeftButton);
}

// Types the two entries (`dataEntry`, `dataEntry1`) and presses "calculate".
inline void Calculate(fw::Window& window, const QString& entry, const QString& entry1) {
  Type(window, "dataEntry", entry);
  Type(window, "dataEntry1", entry1);
  Click(window, "calculate");
}

inline QString Text(const fw::Window& window, std::string_view label) {
  return window.Label(label).Text();
}

// Makes `window` the active window again, as when the user comes back to it.
inline void Activate(fw::Window& window) {
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(&window, &activate);
}

// A composition of (component, fraction) pairs.
inline Composition Mixture(std::initializer_list<std::pair<int, double>> parts) {
  Composition x{};
  for (const auto& [component, fraction] : parts) x[component] = fraction;
  return x;
}

inline Composition Pure(int component) {
  Composition x{};
  x[component] = 1.0;
  return x;
}

}  // namespace single_phase_test
