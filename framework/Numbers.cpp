#include "framework/Numbers.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace fw {

namespace {

constexpr int kSignificantDigits = 7;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Index just past a run of digits starting at `i`.
std::size_t SkipDigits(const std::string& text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// True when `text` is exactly one plain decimal number: optional sign, digits with
// an optional point (digits on at least one side of it), optional exponent.
// std::from_chars alone would also take "inf", "nan" and hexadecimal forms.
bool IsPlainDecimal(const std::string& text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t integerStart = i;
  i = SkipDigits(text, i);
  std::size_t mantissaDigits = i - integerStart;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fractionStart = ++i;
    i = SkipDigits(text, i);
    mantissaDigits += i - fractionStart;
  }
  if (mantissaDigits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t exponentStart = i;
    i = SkipDigits(text, i);
    if (i == exponentStart) return false;
  }
  return i == text.size();
}

}  // namespace

QString Str(double value) {
  if (!std::isfinite(value)) return kNoSolution;
  if (value == 0.0) return QStringLiteral("0");  // also -0
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::general, kSignificantDigits);
  return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
}

std::optional<double> Val(const QString& text) {
  const QString trimmed = text.trimmed();
  for (const QChar c : trimmed) {
    if (c.unicode() > 0x7f) return std::nullopt;  // no other script's digits or signs
  }
  std::string ascii = trimmed.toStdString();
  if (!IsPlainDecimal(ascii)) return std::nullopt;
  // from_chars takes no '+'; the sign is already checked above.
  const std::size_t start = (!ascii.empty() && ascii[0] == '+') ? 1 : 0;
  double value = 0.0;
  const auto result = std::from_chars(ascii.data() + start, ascii.data() + ascii.size(), value,
                                      std::chars_format::general);
  if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace fw
