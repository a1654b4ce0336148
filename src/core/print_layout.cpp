#include "core/print_layout.h"

#include "core/print_surface.h"
#include "core/program.h"

#include <algorithm>
#include <array>

namespace {
constexpr int kColumnGap = 5;
constexpr int kCommentWidth = 540;
constexpr int kCommentHeight = 135;

void drawFooter(PrintSurface &surface, int page, int pageWidth, int y)
{
    surface.drawText(Program::name() + QStringLiteral(", page") + QString::number(page),
                     static_cast<int>(pageWidth / 2.0 - 50 + 20), y);
}
} // namespace

namespace PrintLayout {
RowsStart comment(int left, int top, int paperWidth, int pageHeight, int pageWidth, const QString &comment,
                  PrintSurface &surface)
{
    surface.drawText(QStringLiteral("Commentaire:"), left + 20, top + 40);
    const QStringList lines = surface.commentLines(comment, kCommentWidth);
    const int lineHeight = surface.commentLineHeight();
    if (lines.size() * lineHeight <= kCommentHeight) {
        surface.drawRect(left + 20, top + 45, paperWidth - 45, 130);
        surface.drawTextBlock(comment, left + 23, top + 47, kCommentWidth, kCommentHeight);
        return {1, top + 200};
    }
    // A longer comment: the frame grows down to the footer's zone, and the
    // rest goes on to the next page, in a frame of its own at the top.
    RowsStart start{1, 0};
    int frameTop = top + 45;
    for (qsizetype shown = 0;;) {
        const qsizetype fit = std::max(1, (pageHeight - 50 - frameTop - 2) / lineHeight);
        const qsizetype count = std::min(fit, lines.size() - shown);
        const int height = int(count) * lineHeight;
        surface.drawRect(left + 20, frameTop, paperWidth - 45, height + 4);
        surface.drawTextBlock(lines.mid(shown, count).join(QLatin1Char('\n')), left + 23, frameTop + 2, kCommentWidth,
                              height);
        shown += count;
        if (shown == lines.size()) {
            start.y = frameTop + height + 4 + 25; // as far below the frame as the short comment's rows
            return start;
        }
        drawFooter(surface, start.page++, pageWidth, pageHeight - 30);
        surface.nextPage();
        frameTop = top + 15;
    }
}

void rows(int left, int top, int secondCell, int thirdCell, int pageHeight, int pageWidth, const LapRows &rows,
          PrintSurface &surface, RowsStart start)
{
    int page = start.page;
    const int lineHeight = surface.textHeight();
    int y = start.y;
    // Each cell wraps within its column; the last column ends with the printable area.
    const std::array x{left + 20, left + secondCell, left + thirdCell};
    const std::array width{x[1] - kColumnGap - x[0], x[2] - kColumnGap - x[1], std::max(pageWidth - x[2], 1)};
    auto breakPage = [&](int footerY) {
        drawFooter(surface, page++, pageWidth, footerY);
        y = top + 30;
        surface.nextPage();
    };
    // A row fits where its last line comes before the footer's zone.
    auto fits = [&](int from, qsizetype lines) { return from + (lines - 1) * lineHeight < pageHeight - 50; };
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const std::array cells{surface.rowLines(rows.cell(i, 0), width[0]), surface.rowLines(rows.cell(i, 1), width[1]),
                               surface.rowLines(rows.cell(i, 2), width[2])};
        const qsizetype lines = std::max({cells[0].size(), cells[1].size(), cells[2].size()});
        // Kept whole on the next page when it fits there, unless it starts in the footer's zone.
        if ((!fits(y, lines) && fits(top + 30, lines)) || y >= pageHeight - 50)
            breakPage(pageHeight - 30);
        for (qsizetype line = 0; line < lines; ++line) {
            for (int column = 0; column < 3; ++column)
                if (line < cells[column].size())
                    surface.drawText(cells[column][line], x[column], y);
            y += lineHeight;
            if (y >= pageHeight - 50 && (line < lines - 1 || i != rows.size() - 1))
                breakPage(y + 20);
        }
    }
    drawFooter(surface, page, pageWidth, pageHeight - 30);
}
} // namespace PrintLayout
