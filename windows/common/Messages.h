// The texts with which the windows answer bad input and impossible states.
#pragma once

#include <QString>

#include "framework/Numbers.h"

namespace common {

// An entry that is no number.
inline const QString kPutNumber = QStringLiteral("put number");
// A result that does not exist (no physical state, a failed search, a value that is not finite).
using fw::kNoSolution;

}  // namespace common
