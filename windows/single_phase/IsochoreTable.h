// The isochore: pressures of one mixture at one molar volume over a range of
// temperatures, as a table and as an exported text file.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "engine/Globals.h"

namespace single_phase {

// The state an isochore runs along: the pressure window's last calculation.
struct IsochoreVolume {
  Composition composition{};  // mole fractions
  double volume = 0.0;        // cm3/mol
};

// Kept by the pressure window at each calculation; read by the isochore window.
// Empty when the pressure window's last calculation was refused, or before its
// first: the isochore then has nothing to run along.
void RememberIsochoreVolume(const std::optional<IsochoreVolume>& state);
const std::optional<IsochoreVolume>& LastIsochoreVolume();

// More rows than this are refused: the table and its file stay of bounded size.
inline constexpr int kMaxIsochoreRows = 100000;

// The checked entries of one isochore and the temperatures (K) they give.
struct IsochorePlan {
  bool minimumBad = false;   // no number, or below -273.15 °C
  bool maximumBad = false;   // no number, or not above the minimum
  bool intervalBad = false;  // no number, not above 0, too many rows, or too small to advance
  std::vector<double> kelvins;
  bool Ok() const { return !minimumBad && !maximumBad && !intervalBad; }
};

// Where the running temperature starts, one step below the minimum: the table
// takes the step from the minimum in K, the export from the minimum in °C before
// adding 273.15. The two can differ in the last digits, and so can their rows.
enum class IsochoreStart { Table, Export };

// Checks the entries (°C, °C, degrees) and lists the temperatures: the minimum,
// then one more step at a time while not above the maximum. Each temperature is
// the previous one plus the step (not minimum + k·step), so a range that is a
// whole number of steps may lose its last row to rounding. A step so large that
// taking it from the minimum loses the minimum's digits starts at the minimum
// itself, never at a temperature the user did not ask for.
IsochorePlan PlanIsochore(std::optional<double> minimumCelsius,
                          std::optional<double> maximumCelsius, std::optional<double> interval,
                          IsochoreStart start = IsochoreStart::Table);

struct IsochoreRow {
  QString temperature;  // °C
  QString pressure;     // MPa, or "no solution"
};

// One row per temperature (K) of `kelvins`.
std::vector<IsochoreRow> IsochoreRows(const IsochoreVolume& state,
                                      const std::vector<double>& kelvins);

// The density text (g/cm3, or "no solution") of the isochore's state.
QString IsochoreDensityText(const IsochoreVolume& state);

// The export file's name: the molar volume's text followed by ".txt".
QString IsochoreFileName(double volume);

// The file's lines: four header lines, then "temperature, pressure" per row.
QStringList IsochoreFileLines(const std::vector<IsochoreRow>& rows);

// Writes `lines` (each ended by '\n', in Windows-1252) to `name` in the working
// directory through a temporary file renamed into place: on any failure it
// returns false and an earlier file of that name is left as it was.
bool WriteIsochoreFile(const QString& name, const QStringList& lines);

}  // namespace single_phase
