#include "engine/run_rows.h"

#include "engine/list_box.h"

namespace RunRows {
void closeRun(ListBox &list)
{
    list.addRow(QStringLiteral("--------------------------------------"));
    list.addRow(QString());
    list.selectRow(list.rowCount() - 1);
}
} // namespace RunRows
