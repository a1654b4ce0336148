#include "widgets/list_clipboard.h"

#include <QMimeData>

namespace ListClipboard {
QMimeData *mimeData(const LapRows &rows)
{
    QString text;
    // Blanks are kept as typed: labels such as "Temps intermédiaire  2:" hold two.
    QString html = QStringLiteral("<meta charset=\"utf-8\"><table style=\"white-space: pre\">");
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const QStringList cells{rows.cell(row, 0), rows.cell(row, 1), rows.cell(row, 2)};
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
        html += QStringLiteral("<tr>");
        for (const QString &cell : cells)
            html += QStringLiteral("<td>") + cell.toHtmlEscaped() + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    auto *data = new QMimeData;
    data->setText(text);
    data->setHtml(html + QStringLiteral("</table>"));
    return data;
}
} // namespace ListClipboard
