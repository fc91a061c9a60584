#include "framework/Controls.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

namespace fw {

namespace {

// Draws `picture` at its own size, scaled down (never up) to fit `area`.
QRectF PictureTarget(const QSvgRenderer& picture, const QRect& area, bool centred) {
  QSizeF size = picture.defaultSize();
  if (size.isEmpty()) size = area.size();
  if (size.width() > area.width() || size.height() > area.height())
    size.scale(area.size(), Qt::KeepAspectRatio);
  QPointF topLeft = area.topLeft();
  if (centred) {
    topLeft += QPointF((area.width() - size.width()) / 2.0, (area.height() - size.height()) / 2.0);
  }
  return QRectF(topLeft, size);
}

// Lines between the columns of a list, none between its rows.
class ColumnLinesDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    if (index.column() + 1 >= index.model()->columnCount()) return;
    painter->save();
    painter->setPen(QColor(0xc0, 0xc0, 0xc0));
    painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    painter->restore();
  }
};

}  // namespace

// ---------------------------------------------------------------- StaticText

StaticText::StaticText(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StaticText::SetText(const QString& text) {
  text_ = text;
  QString shown = text;
  shown.replace(QChar('\r'), QChar('\n'));
  setText(shown);
  FitBoxToText();
}

void StaticText::SetLayoutBox(const QRect& box) {
  layoutBox_ = box;
  setGeometry(box);
  FitBoxToText();
}

void StaticText::FitBoxToText() {
  if (layoutBox_.isNull() || wordWrap()) return;
  const QFontMetrics metrics(font());
  const QStringList lines = text().split(QChar('\n'));
  int needed = 0;
  for (const QString& line : lines) needed = std::max(needed, metrics.horizontalAdvance(line) + 1);
  const int extraWidth = std::max(needed - layoutBox_.width(), 0);
  const int extraHeight = std::max(static_cast<int>(lines.size()) * metrics.height() - layoutBox_.height(), 0);
  int left = layoutBox_.left();
  if (alignment() & Qt::AlignHCenter) left -= extraWidth / 2;
  else if (alignment() & Qt::AlignRight) left -= extraWidth;
  setGeometry(left, y(), layoutBox_.width() + extraWidth, layoutBox_.height() + extraHeight);
}

QString StaticText::Text() const { return text_; }

// ----------------------------------------------------------------- EditField

EditField::EditField(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, &EditField::TextChange);
}

void EditField::SetText(const QString& text) { setText(text); }

QString EditField::Text() const { return text(); }

// --------------------------------------------------------------- RadioButton

RadioButton::RadioButton(QWidget* parent) : QRadioButton(parent) {
  // The group rule is ours: Qt's own exclusivity would refuse to turn the last
  // radio of a group off, which the windows do when they clear a choice.
  setAutoExclusive(false);
}

bool RadioButton::Value() const { return isChecked(); }

void RadioButton::SetValue(bool on) {
  if (on) TurnSiblingsOff();
  if (isChecked() == on) return;
  setChecked(on);
  emit Action();
}

void RadioButton::nextCheckState() {
  const bool wasOn = isChecked();
  TurnSiblingsOff();
  setChecked(true);
  if (!wasOn) emit Action();
}

void RadioButton::TurnSiblingsOff() {
  if (!parentWidget()) return;
  for (auto* sibling : parentWidget()->findChildren<RadioButton*>(Qt::FindDirectChildrenOnly)) {
    if (sibling != this) sibling->setChecked(false);
  }
}

// ---------------------------------------------------------------- PushButton

PushButton::PushButton(QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  connect(this, &QAbstractButton::clicked, this, &PushButton::Action);
}

void PushButton::Press() {
  if (isEnabled()) emit Action();
}

void PushButton::SetDefault(bool on) {
  isDefault_ = on;
  setDefault(on);  // the default button's look; Return is handled by the window
}

// ----------------------------------------------------------------- ScrollBar

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
  setMinimum(0);
  setSingleStep(1);
  setTracking(false);
}

int ScrollBar::Value() const { return value(); }

void ScrollBar::SetValue(int value) { setValue(value); }

int ScrollBar::Maximum() const { return maximum(); }

void ScrollBar::SetMaximum(int maximum) { setMaximum(std::max(maximum, 0)); }

void ScrollBar::SetHeight(int height) { resize(width(), std::max(height, 0)); }

// ------------------------------------------------------------------- ListBox

ListBox::ListBox(QWidget* parent) : QTableWidget(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  setWordWrap(false);
  setShowGrid(false);
  setItemDelegate(new ColumnLinesDelegate(this));
  connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!settingByCode_) emit CellTextChange(item->row(), item->column());
  });
}

void ListBox::Configure(int columns, const QString& columnWidths, const QString& headings) {
  setColumnCount(std::max(columns, 1));
  const int rowHeight = fontMetrics().height() + 4;
  verticalHeader()->setDefaultSectionSize(rowHeight);
  verticalHeader()->setMinimumSectionSize(rowHeight);

  // A list without headings in its layout gets its heading row when a heading is set.
  const QStringList headingTexts = headings.split(QChar('\t'));
  horizontalHeader()->setVisible(false);
  for (int c = 0; c < columnCount(); ++c)
    SetHeading(c, c < headingTexts.size() ? headingTexts[c] : QString());

  const QStringList specs = columnWidths.split(QChar(','), Qt::SkipEmptyParts);
  if (specs.isEmpty()) {
    horizontalHeader()->setStretchLastSection(true);
    return;
  }
  const int inner = width() - 2 * frameWidth();
  std::vector<int> widths(columnCount(), -1);
  int used = 0, shares = 0;
  for (int c = 0; c < columnCount(); ++c) {
    QString spec = c < specs.size() ? specs[c].trimmed() : QStringLiteral("*");
    if (spec == QLatin1String("*")) {
      ++shares;
      continue;
    }
    const bool percent = spec.endsWith(QChar('%'));
    if (percent) spec.chop(1);
    const int value = spec.trimmed().toInt();
    widths[c] = percent ? inner * value / 100 : value;
    used += widths[c];
  }
  for (int c = 0; c < columnCount(); ++c) {
    if (widths[c] < 0) widths[c] = std::max(inner - used, 0) / std::max(shares, 1);
    setColumnWidth(c, widths[c]);
  }
}

void ListBox::SetHeading(int column, const QString& text) {
  auto* item = horizontalHeaderItem(column);
  if (!item) {
    item = new QTableWidgetItem();
    setHorizontalHeaderItem(column, item);
  }
  item->setText(text);
  item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  if (!text.isEmpty()) horizontalHeader()->show();
}

QString ListBox::Heading(int column) const {
  const auto* item = horizontalHeaderItem(column);
  return item ? item->text() : QString();
}

void ListBox::AddRow(const QStringList& cells) {
  settingByCode_ = true;
  const int row = rowCount();
  insertRow(row);
  for (int c = 0; c < columnCount(); ++c) {
    auto* item = new QTableWidgetItem(c < cells.size() ? cells[c] : QString());
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    setItem(row, c, item);
  }
  settingByCode_ = false;
}

void ListBox::DeleteAllRows() {
  pendingEdit_.reset();
  setRowCount(0);
}

int ListBox::ListCount() const { return rowCount(); }

QString ListBox::Cell(int row, int column) const {
  const auto* cell = item(row, column);
  return cell ? cell->text() : QString();
}

QTableWidgetItem* ListBox::ItemAt(int row, int column) {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
  auto* cell = item(row, column);
  if (!cell) {
    cell = new QTableWidgetItem();
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    setItem(row, column, cell);
  }
  return cell;
}

void ListBox::SetCell(int row, int column, const QString& text) {
  settingByCode_ = true;
  if (auto* cell = ItemAt(row, column)) cell->setText(text);
  settingByCode_ = false;
}

int ListBox::CellType(int row, int column) const {
  const auto* cell = item(row, column);
  return (cell && (cell->flags() & Qt::ItemIsEditable)) ? TypeEditable : TypeDefault;
}

void ListBox::SetCellType(int row, int column, int type) {
  settingByCode_ = true;
  if (auto* cell = ItemAt(row, column)) {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (type == TypeEditable) flags |= Qt::ItemIsEditable;
    cell->setFlags(flags);
  }
  settingByCode_ = false;
}

void ListBox::EditCell(int row, int column) {
  if (inClick_) {
    pendingEdit_ = std::make_pair(row, column);
    return;
  }
  OpenEditor(row, column);
}

void ListBox::OpenEditor(int row, int column) {
  auto* cell = item(row, column);
  if (!cell || !(cell->flags() & Qt::ItemIsEditable)) return;
  setCurrentCell(row, column);
  editItem(cell);
}

void ListBox::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && cellClickHandler) {
    const QRect cell = visualRect(index);
    const QPoint within = event->position().toPoint() - cell.topLeft();
    inClick_ = true;
    const bool handled = cellClickHandler(index.row(), index.column(), within.x(), within.y());
    inClick_ = false;
    if (handled) {
      pendingEdit_.reset();
      return;
    }
  }
  QTableWidget::mousePressEvent(event);
  if (pendingEdit_) {
    const auto [row, column] = *pendingEdit_;
    pendingEdit_.reset();
    OpenEditor(row, column);
  }
}

// --------------------------------------------------------------- PictureView

PictureView::PictureView(QWidget* parent, bool centred) : QWidget(parent), centred_(centred) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureView::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  update();
}

void PictureView::paintEvent(QPaintEvent*) {
  if (!picture_) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  picture_->render(&painter, PictureTarget(*picture_, rect(), centred_));
}

// ------------------------------------------------ GroupBox, Line, Rectangle

GroupBox::GroupBox(QWidget* parent) : QGroupBox(parent) {}

Line::Line(QWidget* parent, bool rising) : QWidget(parent), rising_(rising) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1));
  const QRect r = rect();
  if (rising_)
    painter.drawLine(r.bottomLeft(), r.topRight());
  else
    painter.drawLine(r.topLeft(), r.bottomRight());
}

Rectangle::Rectangle(QWidget* parent, int cornerOval, bool border)
    : QWidget(parent), cornerOval_(cornerOval), border_(border) {}

void Rectangle::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, cornerOval_ > 0);
  painter.setBrush(Qt::white);
  painter.setPen(border_ ? QPen(Qt::black, 1) : QPen(Qt::NoPen));
  // Half a pixel in, so that the 1-pixel border lies on whole pixels.
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  if (cornerOval_ > 0)
    painter.drawRoundedRect(box, cornerOval_ / 2.0, cornerOval_ / 2.0);
  else
    painter.drawRect(box);
}

}  // namespace fw
