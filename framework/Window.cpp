#include "framework/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <map>

#include "framework/Application.h"

namespace fw {

namespace {

// The open windows, in the order they were opened; at most one per class name.
std::vector<Window*>& Registry() {
  static std::vector<Window*> windows;
  return windows;
}

// Windows closed by the user whose destruction waits for the event loop.
std::vector<QPointer<Window>>& Closing() {
  static std::vector<QPointer<Window>> windows;
  return windows;
}

// Handlers of all windows now running, nested ones included.
int& HandlersRunning() {
  static int running = 0;
  return running;
}

// Where the next staggered window goes (placement code 2).
int& StaggerStep() {
  static int step = 0;
  return step;
}

bool IsContainer(ControlClass cls) {
  return cls == ControlClass::GroupBox || cls == ControlClass::Rectangle ||
         cls == ControlClass::RoundRectangle;
}

QFont ControlFont(const ControlSpec& spec) {
  QFont font = QApplication::font();
  font.setPixelSize(std::max(spec.textSize, 1));
  font.setBold(spec.flags & Bold);
  font.setItalic(spec.flags & Italic);
  font.setUnderline(spec.flags & Underline);
  return font;
}

Qt::Alignment TextAlignment(unsigned flags) {
  if (flags & AlignCenter) return Qt::AlignHCenter | Qt::AlignTop;
  if (flags & AlignRight) return Qt::AlignRight | Qt::AlignTop;
  return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace

struct Window::Private {
  QMenuBar* menuBar = nullptr;
  QWidget* content = nullptr;
  std::map<std::string, QWidget*, std::less<>> controls;
  std::map<std::string, QPoint, std::less<>> origins;  // layout position of each control
  std::vector<QWidget*> containers;                     // in creation order
  std::vector<PushButton*> defaultButtons;
  int width = 0, height = 0;
  bool resizable = false;
  bool built = false;
  bool closed = false;  // left the registry; destroyed once no handler runs
  bool dying = false;   // in the destructor: no handler may run any more
  int running = 0;      // handlers of this window now running (nested ones included)
};

Window::Window(const WindowLayout& layout)
    : QWidget(nullptr), className_(layout.className), d_(std::make_unique<Private>()) {
  setObjectName(QString::fromStdString(className_));
  setWindowTitle(layout.title);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  d_->width = layout.width;
  d_->height = layout.height;
  d_->resizable = layout.resizable;

  d_->menuBar = new QMenuBar(this);
  // In the window on every desktop, so that the content lies where the layout says.
  d_->menuBar->setNativeMenuBar(false);
  BuildMenuBar(*d_->menuBar);
  d_->content = new QWidget(this);
  QPalette palette = d_->content->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, Qt::black);
  d_->content->setPalette(palette);
  d_->content->setAutoFillBackground(true);
  d_->content->resize(layout.width, layout.height);

  Build(layout);
  Place(layout);
  Registry().push_back(this);
  d_->built = true;
  if (layout.visible) show();
}

Window::~Window() {
  d_->dying = true;
  Leave();
  // Destroy the controls while this object is whole: a list editor that commits
  // while it closes must find a window that ignores it, not a half-destroyed one.
  delete d_->content;
  d_->content = nullptr;
}

void Window::Build(const WindowLayout& layout) {
  for (const ControlSpec& spec : layout.controls) BuildControl(spec);
  // Frames and panels lie under the controls they surround, also when a layout
  // creates them after those controls, so that they never hide or catch their clicks.
  for (auto it = d_->containers.rbegin(); it != d_->containers.rend(); ++it) (*it)->lower();
}

void Window::BuildControl(const ControlSpec& spec) {
  if (d_->controls.count(spec.name))
    throw std::logic_error("two controls named " + spec.name + " in " + className_);
  QWidget* parent = d_->content;
  QPoint parentOrigin(0, 0);
  if (!spec.parent.empty()) {
    auto found = d_->controls.find(spec.parent);
    if (found == d_->controls.end())
      throw std::logic_error("control " + spec.name + " names an unknown parent " + spec.parent);
    parent = found->second;
    parentOrigin = d_->origins.at(spec.parent);
  }

  QWidget* control = nullptr;
  QRect box(spec.left - parentOrigin.x(), spec.top - parentOrigin.y(), spec.width, spec.height);
  switch (spec.cls) {
    case ControlClass::StaticText: {
      auto* text = new StaticText(parent);
      text->SetText(spec.text);
      text->setWordWrap(spec.flags & Wrap);
      text->setAlignment(TextAlignment(spec.flags));
      control = text;
      break;
    }
    case ControlClass::EditField: {
      auto* field = new EditField(parent);
      field->setReadOnly(spec.flags & ReadOnly);
      if (!spec.text.isEmpty()) field->setText(spec.text);
      control = field;
      break;
    }
    case ControlClass::RadioButton: {
      auto* radio = new RadioButton(parent);
      radio->setText(spec.text);
      radio->setChecked(spec.flags & On);
      control = radio;
      break;
    }
    case ControlClass::PushButton: {
      auto* button = new PushButton(parent);
      button->setText(spec.text);
      if (spec.flags & DefaultButton) {
        button->SetDefault(true);
        d_->defaultButtons.push_back(button);
      }
      control = button;
      break;
    }
    case ControlClass::Canvas:
      control = new Canvas(parent);
      break;
    case ControlClass::ImageWell:
      control = new ImageWell(parent);
      break;
    case ControlClass::GroupBox: {
      auto* group = new GroupBox(parent);
      group->setTitle(spec.text);
      control = group;
      break;
    }
    case ControlClass::Line: {
      const bool rising = (spec.width < 0) != (spec.height < 0);
      control = new Line(parent, rising);
      box = QRect(std::min(spec.left, spec.left + spec.width) - parentOrigin.x(),
                  std::min(spec.top, spec.top + spec.height) - parentOrigin.y(),
                  std::abs(spec.width) + 1, std::abs(spec.height) + 1);
      break;
    }
    case ControlClass::Rectangle:
      control = new Rectangle(parent, 0, !(spec.flags & NoBorder));
      break;
    case ControlClass::RoundRectangle:
      control = new Rectangle(parent, spec.columns > 0 ? spec.columns : 16, true);
      break;
    case ControlClass::ScrollBar: {
      auto* bar = new ScrollBar(parent);
      bar->setPageStep(d_->height);
      bar->SetMaximum(spec.columns);
      control = bar;
      break;
    }
    case ControlClass::ListBox:
      control = new ListBox(parent);
      break;
  }

  control->setObjectName(QString::fromStdString(spec.name));
  if (!spec.customClass.empty())
    control->setProperty("customClass", QString::fromStdString(spec.customClass));
  control->setFont(ControlFont(spec));
  control->setGeometry(box);
  if (auto* text = qobject_cast<StaticText*>(control)) text->SetLayoutBox(box);
  d_->controls.emplace(spec.name, control);
  d_->origins.emplace(spec.name, QPoint(spec.left, spec.top));
  if (IsContainer(spec.cls)) d_->containers.push_back(control);

  // The picture comes from its accessor once the control is in the window,
  // before the rest of its properties.
  if (auto* canvas = qobject_cast<Canvas*>(control))
    canvas->SetBackdrop(spec.picture ? spec.picture() : nullptr);
  if (auto* well = qobject_cast<ImageWell*>(control))
    well->SetImage(spec.picture ? spec.picture() : nullptr);
  if (auto* list = qobject_cast<ListBox*>(control))
    list->Configure(spec.columns, spec.columnWidths, spec.headings);

  if (spec.flags & Hidden) control->hide();
  if (spec.flags & Disabled) control->setEnabled(false);
}

void Window::Place(const WindowLayout& layout) {
  const int menuHeight = d_->menuBar->sizeHint().height();
  if (layout.resizable) {
    setMinimumSize(layout.width, layout.minHeight + menuHeight);
    setMaximumSize(layout.width, layout.maxHeight + menuHeight);
    resize(layout.width, layout.height + menuHeight);
  } else {
    setFixedSize(layout.width, layout.height + menuHeight);
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
  QPoint topLeft;
  if (layout.placement == 0) {
    topLeft = available.center() - QPoint(width() / 2, height() / 2);
  } else {
    const int step = StaggerStep()++ % 10;
    topLeft = available.topLeft() + QPoint(40 + 24 * step, 40 + 24 * step);
  }
  topLeft.setX(std::max(topLeft.x(), available.left()));
  topLeft.setY(std::max(topLeft.y(), available.top()));
  move(topLeft);
}

void Window::Show() {
  show();
  // The offscreen platform of the tests has no stacking order to change.
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
  activateWindow();
}

int Window::Width() const { return d_->content ? d_->content->width() : 0; }

int Window::Height() const { return d_->content ? d_->content->height() : 0; }

QWidget* Window::Find(std::string_view name) const {
  auto found = d_->controls.find(name);
  return found == d_->controls.end() ? nullptr : found->second;
}

QWidget& Window::Control(std::string_view name) const {
  QWidget* control = Find(name);
  if (!control) throw std::logic_error("no control " + std::string(name));
  return *control;
}

void Window::SetTop(std::string_view control, int top) {
  QWidget& widget = Control(control);
  widget.move(widget.x(), top);
}

QMenuBar& Window::MenuBar() const { return *d_->menuBar; }

bool Window::HandlerRunning() const { return d_->running > 0; }

template <class R, class F>
R Window::Run(F&& handler, R fallback) {
  if (d_->dying) return fallback;
  ++d_->running;
  ++HandlersRunning();
  R result = fallback;
  try {
    result = handler();
  } catch (const std::exception& error) {
    HandleUnhandledError(error.what());
  } catch (...) {
    HandleUnhandledError("an unknown error");
  }
  --HandlersRunning();
  if (--d_->running == 0 && d_->closed) deleteLater();
  return result;
}

// The cooperative yield of a running handler lets window-system events through,
// activations among them: their Event_Activate waits until no handler runs, so
// that no handler ever runs inside another.
void Window::RunEventActivate() {
  if (HandlersRunning() == 0) {
    Run([this] { Event_Activate(); return true; }, false);
    return;
  }
  QTimer::singleShot(0, this, [this] { RunEventActivate(); });
}

void Window::CompositionChanged() {
  Run([this] { Event_CompositionChanged(); return true; }, false);
}

void Window::OnAction(std::string_view control, std::function<void()> handler) {
  auto call = [this, handler = std::move(handler)] {
    Run([&] { handler(); return true; }, false);
  };
  QWidget& widget = Control(control);
  if (auto* button = qobject_cast<PushButton*>(&widget))
    connect(button, &PushButton::Action, this, call);
  else if (auto* radio = qobject_cast<RadioButton*>(&widget))
    connect(radio, &RadioButton::Action, this, call);
  else
    throw std::logic_error("control " + std::string(control) + " has no Action event");
}

void Window::OnTextChange(std::string_view control, std::function<void()> handler) {
  connect(&Get<EditField>(control), &EditField::TextChange, this,
          [this, handler = std::move(handler)] { Run([&] { handler(); return true; }, false); });
}

void Window::OnValueChanged(std::string_view control, std::function<void()> handler) {
  connect(&Get<ScrollBar>(control), &QScrollBar::valueChanged, this,
          [this, handler = std::move(handler)] { Run([&] { handler(); return true; }, false); });
}

void Window::OnCellClick(std::string_view control,
                         std::function<bool(int row, int column, int x, int y)> handler) {
  Get<ListBox>(control).cellClickHandler = [this, handler = std::move(handler)](
                                               int row, int column, int x, int y) {
    return Run([&] { return handler(row, column, x, y); }, false);
  };
}

void Window::OnCellTextChange(std::string_view control,
                              std::function<void(int row, int column)> handler) {
  connect(&Get<ListBox>(control), &ListBox::CellTextChange, this,
          [this, handler = std::move(handler)](int row, int column) {
            Run([&] { handler(row, column); return true; }, false);
          });
}

bool Window::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && d_->built) RunEventActivate();
  return QWidget::event(event);
}

void Window::resizeEvent(QResizeEvent* event) {
  const int menuHeight = d_->menuBar->sizeHint().height();
  d_->menuBar->setGeometry(0, 0, width(), menuHeight);
  const int oldHeight = d_->content ? d_->content->height() : 0;
  if (d_->content) d_->content->setGeometry(0, menuHeight, width(), height() - menuHeight);
  QWidget::resizeEvent(event);
  if (d_->built && d_->resizable && d_->content && d_->content->height() != oldHeight)
    Run([this] { Event_Resizing(); return true; }, false);
}

void Window::closeEvent(QCloseEvent* event) {
  event->accept();
  Leave();
  if (d_->running == 0) deleteLater();
}

// The default button that Return presses: in a window with several (one per
// part of the form), the one that shares the innermost container with the
// focused control, so that Return finishes the entry the user is typing. Within
// one container a button of its own goes before one inside a group of its own.
PushButton* Window::DefaultButtonFor(const QWidget* focus) const {
  const auto usable = [](const PushButton* button) {
    return button->isEnabled() && button->isVisible();
  };
  for (const QWidget* container = focus; container; container = container->parentWidget()) {
    for (PushButton* button : d_->defaultButtons)
      if (usable(button) && button->parentWidget() == container) return button;
    for (PushButton* button : d_->defaultButtons)
      if (usable(button) && container->isAncestorOf(button)) return button;
    if (container == this) break;
  }
  for (PushButton* button : d_->defaultButtons)
    if (usable(button)) return button;
  return nullptr;
}

void Window::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter) {
    if (PushButton* button = DefaultButtonFor(focusWidget())) {
      button->Press();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

// Takes the window out of the registry: the next opening of its class makes a new one.
void Window::Leave() {
  if (d_->closed) return;
  d_->closed = true;
  auto& registry = Registry();
  registry.erase(std::remove(registry.begin(), registry.end(), this), registry.end());
  if (d_->dying) return;
  auto& closing = Closing();
  closing.erase(std::remove(closing.begin(), closing.end(), nullptr), closing.end());
  closing.emplace_back(this);
}

Window* OpenWindow(std::string_view className) {
  for (Window* window : Registry())
    if (window->ClassName() == className) return window;
  return nullptr;
}

std::vector<Window*> OpenWindows() { return Registry(); }

void NotifyCompositionChanged() {
  for (Window* window : OpenWindows()) window->CompositionChanged();
}

void DestroyAllWindows() {
  const std::vector<Window*> open = Registry();
  for (Window* window : open) delete window;
  std::vector<QPointer<Window>> closing;
  closing.swap(Closing());
  for (const QPointer<Window>& window : closing) {
    if (window && !window->HandlerRunning()) delete window.data();
  }
}

}  // namespace fw
