#include "windows/common/ComponentRows.h"

#include "engine/Globals.h"
#include "engine/Services.h"

namespace common {

void FillComponentRows(fw::ListBox& list, const std::function<bool(int)>& present,
                       const std::function<QStringList(int)>& cells) {
  list.DeleteAllRows();
  for (int i = 0; i < ComponentCount; ++i) {
    if (present(i)) {
      const std::string_view name = ComponentName[i];
      QStringList row{QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))};
      row += cells(i);
      list.AddRow(row);
    }
    RuntimeBackgroundTask();
  }
}

}  // namespace common
