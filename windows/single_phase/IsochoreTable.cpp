#include "windows/single_phase/IsochoreTable.h"

#include "windows/common/UnitPair.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <string>

#include "engine/Services.h"
#include "framework/Numbers.h"
#include "windows/common/Messages.h"
#include "windows/common/RootChoiceForm.h"
#include "windows/single_phase/Windows1252.h"

namespace single_phase {

using namespace common;

namespace {

std::optional<IsochoreVolume>& StoredIsochoreVolume() {
  static std::optional<IsochoreVolume> state;
  return state;
}

// The first temperature (K): one step on from `beforeFirst`, which is the minimum
// tmin less the step. That comes back to tmin to within rounding, unless the step
// is so large against tmin that the subtraction lost tmin's digits (a step of
// 1e300 would start at 0 K); then the first temperature is tmin itself.
double FirstTemperature(double beforeFirst, double tmin, double step) {
  const double first = beforeFirst + step;
  const double rounding = 1e-9 * std::max(1.0, tmin);
  return std::abs(first - tmin) <= rounding ? first : tmin;
}

// The temperatures from tmin to tmax (K), or empty when there would be more than
// kMaxIsochoreRows of them or a step would leave the temperature unchanged.
std::optional<std::vector<double>> StepTemperatures(double beforeFirst, double tmin, double tmax,
                                                    double step) {
  std::vector<double> kelvins;
  double t = beforeFirst;
  while (true) {
    const double next = kelvins.empty() ? FirstTemperature(beforeFirst, tmin, step) : t + step;
    if (!(next > t)) return std::nullopt;
    t = next;
    if (t > tmax) return kelvins;
    if (kelvins.size() == static_cast<std::size_t>(kMaxIsochoreRows)) return std::nullopt;
    kelvins.push_back(t);
  }
}

// Writes every byte of `content` to `fd`; false on any failure (a short write included).
bool WriteAll(int fd, const QByteArray& content) {
  const char* data = content.constData();
  std::size_t left = static_cast<std::size_t>(content.size());
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

// A new temporary file beside `target`, open for writing, or -1.
int CreateTemporary(const std::string& target, std::string& temporary) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Replaces `target` by a file holding `content`, all or nothing: the bytes go to
// a temporary file that is renamed over the target only once it is complete.
bool ReplaceFile(const std::string& target, const QByteArray& content) {
  std::string temporary;
  const int fd = CreateTemporary(target, temporary);
  if (fd < 0) return false;
  bool complete = WriteAll(fd, content) && ::fsync(fd) == 0;
  complete = ::close(fd) == 0 && complete;
  if (complete && std::rename(temporary.c_str(), target.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

QString PressureText(const IsochoreVolume& state, double kelvin) {
  // At or below 0 K and at no physical volume there is no pressure.
  if (!(kelvin > 0.0) || !IsPhysicalVolume(state.composition, state.volume)) return kNoSolution;
  return fw::ResultText(Globals.Pressure(state.composition, kelvin, state.volume));
}

}  // namespace

void RememberIsochoreVolume(const std::optional<IsochoreVolume>& state) {
  StoredIsochoreVolume() = state;
}

const std::optional<IsochoreVolume>& LastIsochoreVolume() { return StoredIsochoreVolume(); }

IsochorePlan PlanIsochore(std::optional<double> minimumCelsius,
                          std::optional<double> maximumCelsius, std::optional<double> interval,
                          IsochoreStart start) {
  IsochorePlan plan;
  const double tmin = minimumCelsius.value_or(0.0) + kCelsiusOffset;
  const double tmax = maximumCelsius.value_or(0.0) + kCelsiusOffset;
  const double step = interval.value_or(0.0);
  plan.minimumBad = !minimumCelsius || tmin < 0.0;
  plan.maximumBad = !maximumCelsius || (minimumCelsius && !(tmax > tmin));
  plan.intervalBad = !interval || !(step > 0.0);
  if (!plan.Ok()) return plan;
  const double beforeFirst = start == IsochoreStart::Table
                                ? tmin - step
                                : (*minimumCelsius - step) + kCelsiusOffset;
  std::optional<std::vector<double>> kelvins = StepTemperatures(beforeFirst, tmin, tmax, step);
  if (!kelvins) {
    plan.intervalBad = true;
    return plan;
  }
  plan.kelvins = std::move(*kelvins);
  return plan;
}

std::vector<IsochoreRow> IsochoreRows(const IsochoreVolume& state,
                                      const std::vector<double>& kelvins) {
  std::vector<IsochoreRow> rows;
  rows.reserve(kelvins.size());
  for (const double kelvin : kelvins) {
    rows.push_back({fw::Str(kelvin - kCelsiusOffset), PressureText(state, kelvin)});
    RuntimeBackgroundTask();
  }
  return rows;
}

QString IsochoreDensityText(const IsochoreVolume& state) {
  if (!IsPhysicalVolume(state.composition, state.volume)) return kNoSolution;
  return fw::ResultText(Globals.Density(state.composition, state.volume));
}

QString IsochoreFileName(double volume) { return fw::Str(volume) + QStringLiteral(".txt"); }

QStringList IsochoreFileLines(const std::vector<IsochoreRow>& rows) {
  QStringList lines = {
      QStringLiteral("Redlich-Kwong equation of state"),
      QStringLiteral("reference: Redlich & Kwong (1949)"),
      QStringLiteral("Temperature, Pressure"),
      QStringLiteral("(Celsius), (MPa)"),
  };
  for (const IsochoreRow& row : rows) lines.push_back(row.temperature + ", " + row.pressure);
  return lines;
}

bool WriteIsochoreFile(const QString& name, const QStringList& lines) {
  // A bare name only: the file goes to the working directory and nowhere else.
  if (name.isEmpty() || name.contains('/') || name.contains('\\')) return false;
  QByteArray content;
  for (const QString& line : lines) {
    const std::optional<QByteArray> bytes = ToWindows1252(line);
    if (!bytes) return false;
    content += *bytes;
    content += '\n';
  }
  return ReplaceFile(QFile::encodeName(name).toStdString(), content);
}

}  // namespace single_phase
