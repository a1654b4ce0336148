#include "documents/painter_surface.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

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

void PainterSurface::drawTextBlock(const QString &text, int x, int top, int width, int maxHeight)
{
    painter_.save();
    painter_.setFont(blockFont_);
    painter_.setClipRect(x, top, width, maxHeight);
    painter_.drawText(QRect(x, top, width, maxHeight), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    painter_.restore();
}

void PainterSurface::nextPage()
{
    device_.newPage();
}
