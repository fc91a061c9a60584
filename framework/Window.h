// Windows built from layouts, found by class through the registry
// (one instance per class), with their controls found by name.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Controls.h"
#include "framework/Layout.h"

class QMenuBar;

namespace fw {

class Window : public QWidget {
  Q_OBJECT
 public:
  // Builds the window and its controls from the layout, in the layout's order,
  // applying every initial value, and enters it in the registry under the layout's
  // class name. No handler is bound yet, so initial values raise no event: the
  // subclass binds its handlers in its own constructor, after this one has run.
  // A window whose layout says `visible` is shown at once.
  explicit Window(const WindowLayout& layout);
  ~Window() override;

  // Makes the window visible and brings it to the front.
  void Show();

  const std::string& ClassName() const { return className_; }

  // The size of the window's content (the area the layout's positions refer to),
  // in pixels; the menu bar lies above it.
  int Width() const;
  int Height() const;

  // The control of that name and class; throws std::logic_error when there is none.
  template <class C>
  C& Get(std::string_view name) const {
    auto* control = qobject_cast<C*>(Find(name));
    if (!control) throw std::logic_error("no control " + std::string(name) + " of that class");
    return *control;
  }
  QWidget* Find(std::string_view name) const;  // nullptr when there is none
  QWidget& Control(std::string_view name) const;  // any class; throws when there is none

  // Shorthands for the common accessors.
  StaticText& Label(std::string_view name) const { return Get<StaticText>(name); }
  EditField& Field(std::string_view name) const { return Get<EditField>(name); }
  RadioButton& RadioOf(std::string_view name) const { return Get<RadioButton>(name); }
  PushButton& ButtonOf(std::string_view name) const { return Get<PushButton>(name); }
  ScrollBar& ScrollBarOf(std::string_view name) const { return Get<ScrollBar>(name); }
  ListBox& List(std::string_view name) const { return Get<ListBox>(name); }

  // Moves a control vertically; `top` is in the coordinates of its parent control
  // (of the window's content for a control that lies on the window). Its
  // children move with it.
  void SetTop(std::string_view control, int top);

  // Binds a handler to an event of a named control. Handlers run one at a time;
  // an exception that escapes one goes to the handler of unhandled errors.
  void OnAction(std::string_view control, std::function<void()> handler);          // push/radio
  void OnTextChange(std::string_view control, std::function<void()> handler);      // edit field
  void OnValueChanged(std::string_view control, std::function<void()> handler);    // scroll bar
  void OnCellClick(std::string_view control,
                   std::function<bool(int row, int column, int x, int y)> handler);  // list box
  void OnCellTextChange(std::string_view control, std::function<void(int row, int column)> handler);

  // True while one of this window's handlers runs.
  bool HandlerRunning() const;

  // Runs Event_CompositionChanged (see NotifyCompositionChanged).
  void CompositionChanged();

  QMenuBar& MenuBar() const;

 protected:
  // Window events, called by the framework on the window itself.
  virtual void Event_Activate() {}  // each time the window becomes the active window
  virtual void Event_Resizing() {}  // while the user changes its height
  // After the fluid window has stored another composition, or cleared it.
  virtual void Event_CompositionChanged() {}

  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Runs a handler of this window: one at a time, exceptions to the handler of
  // unhandled errors, and a window closed meanwhile destroyed only afterwards.
  template <class R, class F>
  R Run(F&& handler, R fallback);
  // Runs Event_Activate, or once no handler of any window runs when one does.
  void RunEventActivate();
  void Build(const WindowLayout& layout);
  void BuildControl(const ControlSpec& spec);
  void Place(const WindowLayout& layout);
  void Leave();
  PushButton* DefaultButtonFor(const QWidget* focus) const;

  std::string className_;
  struct Private;
  std::unique_ptr<Private> d_;
};

// The registry of open windows, one per class name.
Window* OpenWindow(std::string_view className);
std::vector<Window*> OpenWindows();  // in the order they were opened
// Tells every open window that the shared composition has changed, so that
// none goes on showing or computing from the one before.
void NotifyCompositionChanged();
// Destroys every open window at once (the exit steps).
void DestroyAllWindows();

// The one instance of window class W (a subclass of Window, default-constructible,
// with `static const WindowLayout& Layout()`): the open one, else a new one.
template <class W>
W& SoleInstance() {
  if (auto* open = dynamic_cast<W*>(OpenWindow(W::Layout().className))) return *open;
  return *new W();
}

// Opening a window as every button of the program does: its instance, then Show.
template <class W>
W& ShowWindow() {
  W& window = SoleInstance<W>();
  window.Show();
  return window;
}

}  // namespace fw
