// Numbers as text, the same conversions in every window.
#pragma once

#include <QString>
#include <optional>

namespace fw {

// What a result field shows where a computation has no finite answer.
inline const QString kNoSolution = QStringLiteral("no solution");

// At most 7 significant digits, %g style, '.' whatever the locale; -0 shows as "0".
// A number that is not finite never reaches the screen: it shows as "no solution".
QString Str(double value);

// The whole text, blanks trimmed, must be one decimal number ('.' as the decimal
// point, optional sign and exponent); anything else, the empty text included, is
// no number.
std::optional<double> Val(const QString& text);

// Str of a computed value, or "no solution" when it is not finite (the same as
// Str; the name says at the call that a non-finite result is expected).
inline QString ResultText(double value) { return Str(value); }

}  // namespace fw
