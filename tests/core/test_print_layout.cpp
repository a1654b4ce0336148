#include "core/print_layout.h"
#include "core/print_surface.h"
#include "kept_lines.h"

#include <QtTest>

// Records the drawing as "text@x,y", "rect@x,y,width,height" and "page". A
// character is 10 wide: a text wider than its column takes a line a word.
class RecordingSurface : public PrintSurface {
public:
    QStringList calls;
    int lineHeight = 10;
    template <class... Numbers>
    void add(const QString &what, Numbers... n)
    {
        calls << what + u'@' + QStringList{QString::number(n)...}.join(u',');
    }
    void drawText(const QString &text, int x, int y) override { add(text, x, y); }
    void drawRect(int x, int y, int w, int h) override { add("rect", x, y, w, h); }
    int textHeight() override { return lineHeight; }
    QStringList rowLines(const QString &t, int w) override { return t.size() * 10 > w ? t.split(' ') : QStringList{t}; }
    void drawTextBlock(const QString &text, int x, int y, int w, int h) override { add(text, x, y, w, h); }
    QStringList commentLines(const QString &text, int width) override { return rowLines(text, width); }
    int commentLineHeight() override { return lineHeight; }
    void nextPage() override { calls << "page"; }
};

class TestPrintLayout : public QObject {
    Q_OBJECT
private slots:
    // Each case gives left, top, line height, page height, page width and rows (their times as wide as their
    // column), then the comment and a last row's label in place of its own; tests/core/pages.txt keeps the calls.
    void pages()
    {
        KeptLines::check(QFINDTESTDATA("pages.txt"), [&](const QString &input, QStringList &made) {
            const QStringList fields = input.split('|');
            QList<int> g;
            for (const QString &number : fields[0].split(' ', Qt::SkipEmptyParts))
                g << number.toInt();
            const QString comment = fields.value(1).trimmed(), lastLabel = fields.value(2).trimmed();
            LapRows list;
            for (int i = 0; i < g[5]; ++i)
                list.append({i == g[5] - 1 && !lastLabel.isEmpty() ? lastLabel : QStringLiteral("r%1").arg(i),
                             QStringLiteral("t%1 0:00").arg(i), QStringLiteral("d%1").arg(i)});
            RecordingSurface s;
            s.lineHeight = g[2];
            PrintLayout::RowsStart start{1, g[1] + 200};
            if (!comment.isEmpty())
                start = PrintLayout::comment(g[0], g[1], g[4], g[3], g[4], comment, s);
            PrintLayout::rows(g[0], g[1], 410, 490, g[3], g[4], list, s, start);
            made << s.calls;
        });
    }
};

QTEST_GUILESS_MAIN(TestPrintLayout)
#include "test_print_layout.moc"
