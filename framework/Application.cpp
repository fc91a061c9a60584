#include "framework/Application.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStyleFactory>

#ifdef VESTREL_WITH_ENGINE
#include "engine/Services.h"
#endif

namespace fw {

namespace {

constexpr qint64 kYieldIntervalMs = 50;

// The engine yields once per pass of its long loops, and a pass takes from
// about a microsecond to a few hundred. Reading the clock only every 32nd yield
// keeps the common path to a counter, and windows still repaint about every
// 50 ms.
constexpr int kYieldsPerClockRead = 32;

struct YieldState {
  QElapsedTimer sinceEvents;     // since the yield last let events through
  int yieldsUntilClockRead = 0;  // 0: the next yield reads the clock
};

YieldState& Yields() {
  static YieldState state;
  return state;
}

QString& LoadedFamily() {
  static QString family;
  return family;
}

std::function<void(QMenuBar&)>& MenuBarBuilder() {
  static std::function<void(QMenuBar&)> builder;
  return builder;
}

std::function<void(const QString&)>& ErrorReporter() {
  static std::function<void(const QString&)> reporter;
  return reporter;
}

// Registers every font shipped in the resources; the regular face's family wins.
QString LoadShippedFonts() {
  QString family;
  const QDir fonts(QStringLiteral(":/fonts"));
  for (const QString& file : fonts.entryList(QDir::Files, QDir::Name)) {
    const int id = QFontDatabase::addApplicationFont(fonts.filePath(file));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty() && family.isEmpty()) family = families.first();
  }
  return family;
}

QKeySequence ShortcutOf(const QString& shortcut) {
  QString portable = shortcut;
  portable.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
  return QKeySequence(portable);
}

QLineEdit* FocusedEditField() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

}  // namespace

QString FontFamily() {
  return LoadedFamily().isEmpty() ? QApplication::font().family() : LoadedFamily();
}

void InstallServices() {
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
  static const QString shipped = LoadShippedFonts();  // registered once per process
  LoadedFamily() = shipped;
  QFont font(FontFamily());
  font.setPixelSize(12);
  font.setHintingPreference(QFont::PreferNoHinting);
  QApplication::setFont(font);
  Yields().yieldsUntilClockRead = 0;
#ifdef VESTREL_WITH_ENGINE
  SetBackgroundTaskHook(&RuntimeBackgroundTask);
#endif
}

void RuntimeBackgroundTask() {
  YieldState& yields = Yields();
  if (--yields.yieldsUntilClockRead > 0) return;
  yields.yieldsUntilClockRead = kYieldsPerClockRead;
  if (yields.sinceEvents.isValid() && yields.sinceEvents.elapsed() < kYieldIntervalMs) return;
  // User input waits until the running handler ends: no handler runs inside another.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  yields.sinceEvents.start();
}

void SetMenuBarBuilder(std::function<void(QMenuBar&)> builder) {
  MenuBarBuilder() = std::move(builder);
}

void BuildMenuBar(QMenuBar& bar) {
  if (MenuBarBuilder()) MenuBarBuilder()(bar);
}

void AddStandardMenus(QMenuBar& bar, const std::vector<MenuSpec>& menus) {
  for (const MenuSpec& spec : menus) {
    QMenu* menu = bar.addMenu(spec.text);
    menu->setObjectName(QString::fromStdString(spec.name));
    for (const MenuItemSpec& item : spec.items) {
      QAction* action = item.text == QLatin1String("-") ? menu->addSeparator()
                                                         : menu->addAction(item.text);
      action->setObjectName(QString::fromStdString(item.name));
      if (action->isSeparator()) continue;
      if (!item.shortcut.isEmpty()) action->setShortcut(ShortcutOf(item.shortcut));
      const std::string name = item.name;
      QObject::connect(action, &QAction::triggered, action, [name] { PerformStandardItem(name); });
    }
  }
}

void PerformStandardItem(std::string_view itemName) {
  if (itemName == "FileQuit") {
    QCoreApplication::quit();
    return;
  }
  QLineEdit* field = FocusedEditField();
  if (!field) return;
  if (itemName == "EditUndo") field->undo();
  else if (itemName == "EditCut") field->cut();
  else if (itemName == "EditCopy") field->copy();
  else if (itemName == "EditPaste") field->paste();
  // Delete removes the selection only; with none it leaves the text alone, as
  // the menu item of that name does everywhere (unlike the Delete key).
  else if (itemName == "EditClear") {
    if (field->hasSelectedText()) field->del();
  }
  else if (itemName == "EditSelectAll") field->selectAll();
}

void HandleUnhandledError(const char* what) {
  const QString message =
      QStringLiteral("An unexpected error stopped the program:\n%1\n\nThe program will now close.")
          .arg(QString::fromUtf8(what ? what : "unknown error"));
  if (ErrorReporter())
    ErrorReporter()(message);
  else
    QMessageBox::critical(nullptr, QStringLiteral("Error"), message);
  QCoreApplication::exit(1);
}

void SetUnhandledErrorReporter(std::function<void(const QString&)> reporter) {
  ErrorReporter() = std::move(reporter);
}

}  // namespace fw
