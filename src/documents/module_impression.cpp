#include "documents/module_impression.h"

#include "documents/print_surface.h"

namespace {
QString footer(int page)
{
    return QStringLiteral("VelTiming, page") + QString::number(page);
}

int footerX(int pageWidth)
{
    return static_cast<int>(pageWidth / 2.0 - 50 + 20);
}
} // namespace

namespace Module_impression {
void PrintComment(int left, int top, int paperWidth, const QString &comment, PrintSurface &surface)
{
    surface.drawText(QStringLiteral("Commentaire:"), left + 20, top + 40);
    surface.drawRect(left + 20, top + 45, paperWidth - 45, 130);
    surface.drawTextBlock(comment, left + 23, top + 47, 540, 135);
}

void PrintTwoCols(int left, int top, int secondCell, int thirdCell, int pageHeight, int pageWidth,
                  const QList<ListRow> &rows, PrintSurface &surface)
{
    int page = 1;
    const int lineHeight = surface.textHeight();
    int y = top + 200;
    for (int i = 0; i < rows.size(); ++i) {
        surface.drawText(rows[i].label, left + 20, y);
        surface.drawText(rows[i].time, left + secondCell, y);
        surface.drawText(rows[i].difference, left + thirdCell, y);
        y += lineHeight;
        if (y >= pageHeight - 50 && i != rows.size() - 1) {
            y += 20;
            surface.drawText(footer(page), footerX(pageWidth), y);
            ++page;
            y = top + 30;
            surface.nextPage();
        }
    }
    surface.drawText(footer(page), footerX(pageWidth), pageHeight - 30);
}
} // namespace Module_impression
