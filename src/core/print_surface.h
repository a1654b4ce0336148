#pragma once

#include <QString>
#include <QStringList>

// What the print layout draws with, so it can be checked without a printer.
// Positions are in points; text positions are baselines. Rows are drawn in
// one font, the comment block in another.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;
    virtual void drawText(const QString &text, int x, int baseline) = 0;
    virtual void drawRect(int x, int y, int width, int height) = 0;
    virtual int textHeight() = 0;
    // The lines a row's cell takes at that width: a word too long for it is cut.
    virtual QStringList rowLines(const QString &text, int width) = 0;
    // Wrapped at width, as commentLines says; lines that do not fit whole in
    // maxHeight are not drawn.
    virtual void drawTextBlock(const QString &text, int x, int top, int width, int maxHeight) = 0;
    virtual QStringList commentLines(const QString &text, int width) = 0;
    virtual int commentLineHeight() = 0;
    virtual void nextPage() = 0;
};
