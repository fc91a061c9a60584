#include "framework/Layout.h"

#include <algorithm>
#include <utility>

namespace fw {

namespace {

ControlSpec Row(ControlClass cls, std::string name, int left, int top, int width, int height,
                std::string parent) {
  ControlSpec spec{};
  spec.cls = cls;
  spec.name = std::move(name);
  spec.parent = std::move(parent);
  spec.left = left;
  spec.top = top;
  spec.width = width;
  spec.height = height;
  return spec;
}

ControlSpec TextRow(ControlClass cls, std::string name, int left, int top, int width, int height,
                    QString text, int textSize, unsigned flags, std::string parent) {
  ControlSpec spec = Row(cls, std::move(name), left, top, width, height, std::move(parent));
  spec.text = std::move(text);
  spec.textSize = textSize;
  spec.flags = flags;
  return spec;
}

}  // namespace

ControlSpec Text(std::string name, int left, int top, int width, int height, QString text,
                 int textSize, unsigned flags, std::string parent) {
  return TextRow(ControlClass::StaticText, std::move(name), left, top, width, height,
                 std::move(text), textSize, flags, std::move(parent));
}

ControlSpec Edit(std::string name, int left, int top, int width, int height, int textSize,
                 unsigned flags, std::string parent) {
  return TextRow(ControlClass::EditField, std::move(name), left, top, width, height, {},
                 textSize, flags, std::move(parent));
}

ControlSpec Radio(std::string name, int left, int top, int width, int height, QString caption,
                  int textSize, unsigned flags, std::string parent) {
  return TextRow(ControlClass::RadioButton, std::move(name), left, top, width, height,
                 std::move(caption), textSize, flags, std::move(parent));
}

ControlSpec Button(std::string name, int left, int top, int width, int height, QString caption,
                   int textSize, unsigned flags, std::string parent) {
  return TextRow(ControlClass::PushButton, std::move(name), left, top, width, height,
                 std::move(caption), textSize, flags, std::move(parent));
}

ControlSpec CanvasRow(std::string name, int left, int top, int width, int height,
                      PictureAccessor picture, std::string parent) {
  ControlSpec spec =
      Row(ControlClass::Canvas, std::move(name), left, top, width, height, std::move(parent));
  spec.picture = picture;
  return spec;
}

ControlSpec ImageWellRow(std::string name, int left, int top, int width, int height,
                         PictureAccessor picture, unsigned flags, std::string parent) {
  ControlSpec spec =
      Row(ControlClass::ImageWell, std::move(name), left, top, width, height, std::move(parent));
  spec.picture = picture;
  spec.flags = flags;
  return spec;
}

ControlSpec Group(std::string name, int left, int top, int width, int height, QString caption,
                  int textSize, unsigned flags, std::string parent) {
  return TextRow(ControlClass::GroupBox, std::move(name), left, top, width, height,
                 std::move(caption), textSize, flags, std::move(parent));
}

ControlSpec LineRow(std::string name, int x1, int y1, int x2, int y2, std::string parent) {
  return Row(ControlClass::Line, std::move(name), x1, y1, x2 - x1, y2 - y1, std::move(parent));
}

ControlSpec RectangleRow(std::string name, int left, int top, int width, int height,
                         std::string parent, unsigned flags) {
  ControlSpec spec =
      Row(ControlClass::Rectangle, std::move(name), left, top, width, height, std::move(parent));
  spec.flags = flags;
  return spec;
}

ControlSpec RoundRectangleRow(std::string name, int left, int top, int width, int height,
                              int corner, std::string parent) {
  ControlSpec spec = Row(ControlClass::RoundRectangle, std::move(name), left, top, width, height,
                         std::move(parent));
  spec.columns = corner;
  return spec;
}

ControlSpec ScrollBarRow(std::string name, int left, int top, int width, int height, int maximum,
                         std::string parent) {
  ControlSpec spec =
      Row(ControlClass::ScrollBar, std::move(name), left, top, width, height, std::move(parent));
  spec.columns = maximum;
  return spec;
}

ControlSpec ListBoxRow(std::string name, int left, int top, int width, int height, int columns,
                       QString columnWidths, QString headings, int textSize, std::string parent) {
  ControlSpec spec =
      Row(ControlClass::ListBox, std::move(name), left, top, width, height, std::move(parent));
  spec.columns = std::max(columns, 1);
  spec.columnWidths = std::move(columnWidths);
  spec.headings = std::move(headings);
  spec.textSize = textSize;
  return spec;
}

}  // namespace fw
