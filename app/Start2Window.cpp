#include "app/Start2Window.h"

#include <cmath>
#include <numeric>

#include "resources/PictureTable.h"
#include "app/Start3Window.h"
#include "engine/Globals.h"
#include "engine/Services.h"
#include "framework/Numbers.h"

namespace {

struct ComponentRow {
  const char* field;
  const char* canvas;
  fw::PictureAccessor picture;
  int pictureWidth;
};

// ComponentIndex order: the gases 0 to 10 in the left column, the hydrocarbons
// 11 to 20 in the right one.
const std::array<ComponentRow, 21> kRows = {{
    {"H2Onumber", "Canvas1", H2O_42, 42},
    {"CO2number", "Canvas2", CO2_42, 42},
    {"N2number", "Canvas3", N2_27, 27},
    {"H2Snumber", "Canvas4", H2S_39, 39},
    {"NH3number", "Canvas5", NH3_41, 41},
    {"H2number", "Canvas6", H2_27, 27},
    {"O2number", "Canvas7", O2_29, 29},
    {"COnumber", "Canvas8", CO_35, 35},
    {"Henumber", "Canvas9", He_34, 34},
    {"Nenumber", "Canvas10", Ne_34, 34},
    {"Arnumber", "Canvas11", Ar_31, 31},
    {"CH4number", "Canvas12", CH4_42, 42},
    {"C2H6number", "Canvas13", C2H6_48, 48},
    {"C3H8number", "Canvas14", C3H8_48, 48},
    {"iC4H10number", "Canvas15", iC4H10_66, 66},
    {"nC4H10number", "Canvas16", nC4H10_72, 72},
    {"iC5H12number", "Canvas17", iC5H12_66, 66},
    {"nC5H12number", "Canvas18", nC5H12_72, 72},
    {"nC6H14number", "Canvas19", nC6H14_72, 72},
    {"nC7H16number", "Canvas20", nC7H16_72, 72},
    {"nC8H18number", "Canvas21", nC8H18_72, 72},
}};

constexpr int kFirstHydrocarbon = 11;
constexpr int kRowTop = 100;
constexpr int kRowStep = 35;

int RowTop(int k) { return kRowTop + kRowStep * (k < kFirstHydrocarbon ? k : k - kFirstHydrocarbon); }

fw::ControlSpec FieldRow(int k) {
  const int left = k < kFirstHydrocarbon ? 105 : 375;
  return fw::Edit(kRows[k].field, left, RowTop(k), 150, 25, 16);
}

fw::ControlSpec CanvasRowOf(int k) {
  const int left = k < kFirstHydrocarbon ? 40 : 290;
  return fw::CanvasRow(kRows[k].canvas, left, RowTop(k), kRows[k].pictureWidth, 25,
                       kRows[k].picture);
}

// Entries up to this magnitude are held at fixed point, so that the sum of 21 of
// them stays far inside the 64-bit range; larger ones are refused anyway.
constexpr double kFixedPointLimit = 1e3;

// A typed fraction as the window holds it: at fixed point, or beyond the fixed
// point's limit as the number typed, which the sum shows but no composition takes.
struct Entry {
  std::int64_t fixedPoint = 0;
  double beyondLimit = 0.0;
  bool refused = false;
};

Entry EntryOf(const QString& text) {
  if (text.trimmed().isEmpty()) return {};
  const std::optional<double> x = fw::Val(text);
  if (!x) return {.refused = true};
  if (std::abs(*x) > kFixedPointLimit) return {.beyondLimit = *x, .refused = true};
  const bool fraction = *x >= 0.0 && *x <= 1.0;
  return {.fixedPoint = Globals.FixedPointFraction(*x), .refused = !fraction};
}

}  // namespace

const char* Start2Window::FieldName(int k) { return kRows.at(k).field; }

const fw::WindowLayout& Start2Window::Layout() {
  static const fw::WindowLayout layout = [] {
    fw::WindowLayout l{.className = "Start2Window", .title = "Fluid", .width = 545, .height = 585,
                       .placement = 0, .controls = {}};
    // The creation order of the fields is the layout's own, not the index order.
    l.controls = {
        fw::RoundRectangleRow("RoundRectangle1", 369, 472, 160, 35, 16),
        fw::Text("Sum", 379, 477, 140, 25, "0", 16, fw::NoFlags, "RoundRectangle1"),
        fw::Text("StaticText1", 20, 20, 165, 22, "Fluid Composition", 18),
        fw::Text("StaticText2", 20, 45, 260, 20, "amount-of-substance fraction (\"mole\" fraction)",
                 11),
        FieldRow(H2O), FieldRow(CO2), FieldRow(CH4), FieldRow(N2), FieldRow(C2H6),
        FieldRow(H2S), FieldRow(NH3), FieldRow(H2), FieldRow(O2), FieldRow(CO),
        fw::Text("StaticText3", 309, 477, 42, 22, "sum:", 16),
        fw::Button("continue2", 240, 540, 75, 25, "continue", 12, fw::DefaultButton),
        fw::LineRow("Line1", 374, 460, 524, 460),
        fw::Button("Clear", 470, 20, 50, 20, "clear", 10),
        FieldRow(C3H8), FieldRow(iC4H10), FieldRow(nC4H10), FieldRow(iC5H12),
        FieldRow(nC5H12), FieldRow(nC6H14), FieldRow(nC7H16), FieldRow(nC8H18),
        FieldRow(Ne),
        fw::Text("StaticText51", 290, 70, 129, 22, "Hydrocarbons", 18),
        fw::Text("StaticText52", 40, 70, 63, 22, "Gases", 18),
        FieldRow(He), FieldRow(Ar),
    };
    for (int k = 0; k < ComponentCount; ++k) l.controls.push_back(CanvasRowOf(k));
    return l;
  }();
  return layout;
}

Start2Window::Start2Window() : fw::Window(Layout()) {
  for (int k = 0; k < ComponentCount; ++k)
    OnTextChange(kRows[k].field, [this, k] { number_TextChange(k); });
  OnAction("continue2", [this] { continue2_Action(); });
  OnAction("Clear", [this] { Clear_Action(); });
}

void Start2Window::number_TextChange(int k) {
  const Entry entry = EntryOf(Field(kRows[k].field).Text());
  entries_[k] = entry.fixedPoint;
  beyondLimit_[k] = entry.beyondLimit;
  refused_[k] = entry.refused;
  Globals.IntegerFraction[k] = entry.fixedPoint;
  ShowSum();
}

// The exact fixed-point sum, plus whatever was typed beyond the fixed point's limit.
void Start2Window::ShowSum() {
  const std::int64_t sum = std::accumulate(entries_.begin(), entries_.end(), std::int64_t{0});
  double shown = Int64ToDouble(sum) / Int64ToDouble(Globals.PrecisionFactor);
  for (double large : beyondLimit_) shown += large;
  Label("Sum").SetText(fw::Str(shown));
}

bool Start2Window::Acceptable() const {
  for (bool refused : refused_)
    if (refused) return false;
  return std::accumulate(entries_.begin(), entries_.end(), std::int64_t{0}) ==
         Globals.PrecisionFactor;
}

void Start2Window::continue2_Action() {
  if (!Acceptable()) {
    Label("Sum").SetText("adjust fractions!");
    return;
  }
  Composition z{};
  for (int i = 0; i < ComponentCount; ++i)
    z[i] = Int64ToDouble(entries_[i]) / Int64ToDouble(Globals.PrecisionFactor);
  StoreComposition(z);
  fw::ShowWindow<Start3Window>();
}

// The windows that computed from the composition before learn of another one.
void Start2Window::StoreComposition(const Composition& z) {
  if (Globals.fraction == z) return;
  Globals.fraction = z;
  fw::NotifyCompositionChanged();
}

void Start2Window::Clear_Action() {
  StoreComposition(Composition{});
  for (int k = 0; k < ComponentCount; ++k) Field(kRows[k].field).SetText({});
  // Whatever the fields reported while they emptied, the entries are now all 0.
  entries_.fill(0);
  beyondLimit_.fill(0.0);
  refused_.fill(false);
  Globals.IntegerFraction.fill(0);
  ShowSum();
}
