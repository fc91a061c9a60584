// The one way every component list is filled: one row per component that passes
// the list's presence test, in ComponentIndex order, its name first.
#pragma once

#include <QStringList>
#include <functional>

#include "framework/Controls.h"

namespace common {

// Empties `list`, then adds for each component i (0..20) with present(i) the row
// name, cells(i)... Yields to the event loop once per component.
void FillComponentRows(fw::ListBox& list, const std::function<bool(int)>& present,
                       const std::function<QStringList(int)>& cells);

}  // namespace common
