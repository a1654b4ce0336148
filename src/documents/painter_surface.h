#pragma once

#include "core/print_surface.h"

#include <QFont>

class QPainter;
class QPagedPaintDevice;

// Draws on a printer page through QPainter.
class PainterSurface : public PrintSurface {
public:
    PainterSurface(QPainter &painter, QPagedPaintDevice &device, const QFont &blockFont);
    void drawText(const QString &text, int x, int baseline) override;
    void drawRect(int x, int y, int width, int height) override;
    int textHeight() override;
    QStringList rowLines(const QString &text, int width) override;
    void drawTextBlock(const QString &text, int x, int top, int width, int maxHeight) override;
    QStringList commentLines(const QString &text, int width) override;
    int commentLineHeight() override;
    void nextPage() override;

private:
    QStringList lines(const QFont &font, const QString &text, int width) const;

    QPainter &painter_;
    QPagedPaintDevice &device_;
    QFont blockFont_;
};
