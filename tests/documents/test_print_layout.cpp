#include "documents/module_impression.h"
#include "documents/print_surface.h"

#include <QtTest>

// Records the drawing as "text@x,y", "rect@x,y,width,height" and "page".
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
    void drawTextBlock(const QString &text, int x, int y, int w, int h) override { add(text, x, y, w, h); }
    void nextPage() override { calls << "page"; }
};

class TestPrintLayout : public QObject {
    Q_OBJECT
private slots:
    void pages_data()
    {
        QTest::addColumn<QList<int>>("geometry"); // left, top, line height, page height, page width, rows
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("calls");
        // clang-format off
        QTest::newRow("one page, comment") << QList<int>{-18, -18, 10, 800, 559, 2} << "Note"
            << "Commentaire:@2,22 rect@2,27,514,130 Note@5,29,540,135 "
               "r0@2,182 t0@392,182 d0@472,182 r1@2,192 t1@392,192 d1@472,192 VelTiming, page1@249,770";
        QTest::newRow("page full on the last row") << QList<int>{5, 10, 100, 360, 560, 1} << ""
            << "r0@25,210 t0@415,210 d0@495,210 VelTiming, page1@250,330";
        QTest::newRow("page breaks, odd width") << QList<int>{5, 10, 100, 360, 555, 5} << ""
            << "r0@25,210 t0@415,210 d0@495,210 VelTiming, page1@247,330 page r1@25,40 t1@415,40 d1@495,40 "
               "r2@25,140 t2@415,140 d2@495,140 r3@25,240 t3@415,240 d3@495,240 VelTiming, page2@247,360 page "
               "r4@25,40 t4@415,40 d4@495,40 VelTiming, page3@247,330";
        // clang-format on
    }
    void pages()
    {
        QFETCH(QList<int>, geometry);
        QList<ListRow> list;
        for (int i = 0; i < geometry[5]; ++i)
            list.append({QStringLiteral("r%1").arg(i), QStringLiteral("t%1").arg(i), QStringLiteral("d%1").arg(i)});
        RecordingSurface s;
        s.lineHeight = geometry[2];
        QFETCH(QString, comment);
        if (!comment.isEmpty())
            Module_impression::PrintComment(geometry[0], geometry[1], geometry[4], comment, s);
        Module_impression::PrintTwoCols(geometry[0], geometry[1], 410, 490, geometry[3], geometry[4], list, s);
        QTEST(s.calls.join(u' '), "calls");
    }
};

QTEST_GUILESS_MAIN(TestPrintLayout)
#include "test_print_layout.moc"
