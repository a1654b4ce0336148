#pragma once

#include <QString>

// What the print layout draws with, so it can be checked without a printer.
// Positions are in points; text positions are baselines.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;
    virtual void drawText(const QString &text, int x, int baseline) = 0;
    virtual void drawRect(int x, int y, int width, int height) = 0;
    virtual int textHeight() = 0;
    // Wrapped at width; whatever does not fit in maxHeight is not drawn.
    virtual void drawTextBlock(const QString &text, int x, int top, int width, int maxHeight) = 0;
    virtual void nextPage() = 0;
};
