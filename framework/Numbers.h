// Numbers as text, the same conversions in every window.
#pragma once

#include <QString>
#include <optional>

namespace fw {

// At most 7 significant digits, %g style, '.' whatever the locale; -0 shows as "0".
// Non-finite numbers never reach the screen: callers show "no solution" instead
// (see ResultText).
QString Str(double value);

// The whole text, blanks trimmed, must be one decimal number ('.' as the decimal
// point, optional sign and exponent); anything else, the empty text included, is
// no number.
std::optional<double> Val(const QString& text);

// Str of a computed value, or "no solution" when it is not finite.
QString ResultText(double value);

}  // namespace fw
