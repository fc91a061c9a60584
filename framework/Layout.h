// Window layouts as data: a window's own properties and its controls, one row
// per control, in creation order. The framework builds every window from one
// of these tables; no window places its controls by hand.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

class QSvgRenderer;

namespace fw {

// A picture of the application's resources, shared by reference; null when missing.
using Picture = std::shared_ptr<QSvgRenderer>;
// A picture accessor: loads its picture on first use and keeps it (see PictureCache).
using PictureAccessor = Picture (*)();

enum class ControlClass {
  StaticText,      // label; Text, TextSize, Bold/Italic/Underline, alignment, Wrap
  EditField,       // one-line text entry; event "TextChange"
  RadioButton,     // exclusive within its parent (window, group box, rectangle, panel); event "Action"
  PushButton,      // event "Action"; DefaultButton answers Return
  Canvas,          // shows a picture as its fixed backdrop; takes no focus
  ImageWell,       // shows a picture
  GroupBox,        // frame with optional caption; may parent other controls
  Line,            // from (left, top) to (left + width, top + height), 1 pixel, black
  Rectangle,       // black 1-pixel border, white fill; may parent other controls
  RoundRectangle,  // as Rectangle with corner ovals (cornerWidth x cornerHeight)
  ScrollBar,       // vertical; Value, Maximum; event "ValueChanged"
  ListBox,         // multi-column list with headings and editable cells;
                   // events "CellClick" and "CellTextChange"
};

// Flags of a control row; combine with |.
enum ControlFlag : unsigned {
  NoFlags = 0,
  Bold = 1u << 0,
  Italic = 1u << 1,
  Underline = 1u << 2,
  AlignCenter = 1u << 3,
  AlignRight = 1u << 4,
  Wrap = 1u << 5,           // static text wraps over several lines
  DefaultButton = 1u << 6,  // push button pressed by Return
  On = 1u << 7,             // radio button on at creation
  Hidden = 1u << 8,         // invisible at creation
  Disabled = 1u << 9,
  ReadOnly = 1u << 10,      // edit field the user cannot type into
  NoBorder = 1u << 11,      // rectangle drawn without its border (a scrolled panel)
};

// One control of a layout. Positions are in pixels from the top-left corner of the
// window's content (of the scrolled panel in scrolled windows), also for controls
// inside a parent; the framework converts them to the parent's coordinates.
struct ControlSpec {
  ControlClass cls;
  std::string name;            // the name handlers find it by (also its QObject name)
  std::string parent;          // name of the containing control; empty: the window
  int left = 0, top = 0, width = 0, height = 0;
  QString text;                // text, caption or initial contents ('\r' breaks a line)
  int textSize = 12;           // font size in pixels (the layouts' points are pixels)
  unsigned flags = NoFlags;
  PictureAccessor picture = nullptr;  // Canvas backdrop or ImageWell image
  // List boxes: column count, column widths ("80,60,*"), headings ("A\tB\tC").
  // Scroll bars: maximum in `columns`. Round rectangles: corner oval size in `columns`.
  int columns = 0;
  QString columnWidths;
  QString headings;
  // The framework's own class name of a custom control class ("TemperatureWindow.Pressure").
  std::string customClass;
};

// A window's own properties and its controls.
struct WindowLayout {
  std::string className;  // the class's name, e.g. "VolumeWindow"; the registry's key
  QString title;
  int width = 0, height = 0;  // content size in pixels
  bool visible = true;        // shown at creation (else only Show makes it visible)
  bool resizable = false;     // resizable in height only, between minHeight and maxHeight
  int minHeight = 64, maxHeight = 32000;
  int placement = 2;          // 0: centred on the screen; 2: staggered below earlier windows
  std::vector<ControlSpec> controls;
};

// Row builders, so that layout tables read as tables.
ControlSpec Text(std::string name, int left, int top, int width, int height, QString text,
                 int textSize = 12, unsigned flags = NoFlags, std::string parent = {});
ControlSpec Edit(std::string name, int left, int top, int width, int height,
                 int textSize = 12, unsigned flags = NoFlags, std::string parent = {});
ControlSpec Radio(std::string name, int left, int top, int width, int height, QString caption,
                  int textSize = 12, unsigned flags = NoFlags, std::string parent = {});
ControlSpec Button(std::string name, int left, int top, int width, int height, QString caption,
                   int textSize = 12, unsigned flags = NoFlags, std::string parent = {});
ControlSpec CanvasRow(std::string name, int left, int top, int width, int height,
                      PictureAccessor picture, std::string parent = {});
ControlSpec ImageWellRow(std::string name, int left, int top, int width, int height,
                         PictureAccessor picture, unsigned flags = NoFlags, std::string parent = {});
ControlSpec Group(std::string name, int left, int top, int width, int height, QString caption = {},
                  int textSize = 12, unsigned flags = NoFlags, std::string parent = {});
ControlSpec LineRow(std::string name, int x1, int y1, int x2, int y2, std::string parent = {});
ControlSpec RectangleRow(std::string name, int left, int top, int width, int height,
                         std::string parent = {}, unsigned flags = NoFlags);
ControlSpec RoundRectangleRow(std::string name, int left, int top, int width, int height,
                              int corner = 16, std::string parent = {});
ControlSpec ScrollBarRow(std::string name, int left, int top, int width, int height,
                         int maximum, std::string parent = {});
ControlSpec ListBoxRow(std::string name, int left, int top, int width, int height, int columns,
                       QString columnWidths, QString headings, int textSize = 12,
                       std::string parent = {});

}  // namespace fw
