#include "documents/painter_surface.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

PainterSurface::PainterSurface(QPainter &painter, QPagedPaintDevice &device, const QFont &blockFont)
    : painter_(painter), device_(device), blockFont_(blockFont)
{
}

void PainterSurface::drawText(const QString &text, int x, int baseline)
{
    painter_.drawText(x, baseline, text);
}

void PainterSurface::drawRect(int x, int y, int width, int height)
{
    painter_.drawRect(x, y, width, height);
}

int PainterSurface::textHeight()
{
    return painter_.fontMetrics().height();
}

QStringList PainterSurface::lines(const QFont &font, const QString &text, int width) const
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList result;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font, painter_.device());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            result.append(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout(); // an empty paragraph still takes its line
    }
    return result;
}

QStringList PainterSurface::rowLines(const QString &text, int width)
{
    return lines(painter_.font(), text, width);
}

QStringList PainterSurface::commentLines(const QString &text, int width)
{
    return lines(blockFont_, text, width);
}

int PainterSurface::commentLineHeight()
{
    return QFontMetrics(blockFont_, painter_.device()).height();
}

void PainterSurface::drawTextBlock(const QString &text, int x, int top, int width, int maxHeight)
{
    // Line by line, so no line is cut in half at the bottom.
    painter_.save();
    painter_.setFont(blockFont_);
    const QFontMetrics metrics(blockFont_, painter_.device());
    int y = top + metrics.ascent();
    for (const QString &line : commentLines(text, width).mid(0, maxHeight / metrics.height())) {
        painter_.drawText(x, y, line);
        y += metrics.height();
    }
    painter_.restore();
}

void PainterSurface::nextPage()
{
    device_.newPage();
}
