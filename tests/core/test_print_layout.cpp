#include "core/module_impression.h"
#include "core/print_surface.h"

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
    void pages_data()
    {
        QTest::addColumn<QList<int>>("geometry"); // left, top, line height, page height, page width, rows
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("lastLabel"); // in place of the last row's
        QTest::addColumn<QString>("calls");
        // clang-format off
        QTest::newRow("one page, comment") << QList<int>{-18, -18, 10, 800, 559, 2} << "Note" << ""
            << "Commentaire:@2,22 rect@2,27,514,130 Note@5,29,540,135 "
               "r0@2,182 t0@392,182 d0@472,182 r1@2,192 t1@392,192 d1@472,192 VelTiming, page1@249,770";
        QTest::newRow("page full on the last row") << QList<int>{5, 10, 100, 360, 560, 1} << "" << ""
            << "r0@25,210 t0@415,210 d0@495,210 VelTiming, page1@250,330";
        QTest::newRow("page breaks, odd width") << QList<int>{5, 10, 100, 360, 555, 5} << "" << ""
            << "r0@25,210 t0@415,210 d0@495,210 VelTiming, page1@247,330 page r1@25,40 t1@415,40 d1@495,40 "
               "r2@25,140 t2@415,140 d2@495,140 r3@25,240 t3@415,240 d3@495,240 VelTiming, page2@247,360 page "
               "r4@25,40 t4@415,40 d4@495,40 VelTiming, page3@247,330";
        QTest::newRow("long comment, on to page 2") << QList<int>{5, 10, 10, 200, 560, 1} << "mot1 mot2 mot3 mot4 mot5 mot6 mot7 mot8 mot9 mot10 mot11 mot12 mot13 mot14" << ""
            << "Commentaire:@25,50 rect@25,55,515,94 mot1\nmot2\nmot3\nmot4\nmot5\nmot6\nmot7\nmot8\nmot9@28,57,540,90 "
               "VelTiming, page1@250,170 page rect@25,25,515,54 mot10\nmot11\nmot12\nmot13\nmot14@28,27,540,50 "
               "r0@25,104 t0@415,104 d0@495,104 VelTiming, page2@250,170";
        QTest::newRow("long label in its column, kept whole") << QList<int>{5, 10, 10, 300, 560, 3} << ""
            << "Échauffement prolongé dans la côte nord"
            << "r0@25,210 t0@415,210 d0@495,210 r1@25,220 t1@415,220 d1@495,220 VelTiming, page1@250,270 page "
               "Échauffement@25,40 t2@415,40 d2@495,40 prolongé@25,50 dans@25,60 la@25,70 côte@25,80 nord@25,90 "
               "VelTiming, page2@250,270";
        QTest::newRow("label longer than a page, broken where the page ends") << QList<int>{5, 10, 10, 300, 560, 1} << "" << "m1 m2 m3 m4 m5 m6 m7 m8 m9 m10 m11 m12 m13 m14 m15 m16 m17 m18 m19 m20 m21 m22 m23 m24 m25"
            << "m1@25,210 t0@415,210 d0@495,210 m2@25,220 m3@25,230 m4@25,240 VelTiming, page1@250,270 page m5@25,40 m6@25,50 "
               "m7@25,60 m8@25,70 m9@25,80 m10@25,90 m11@25,100 m12@25,110 m13@25,120 m14@25,130 m15@25,140 m16@25,150 m17@25,160 m18@25,170 m19@25,180 m20@25,190 m21@25,200 m22@25,210 m23@25,220 m24@25,230 m25@25,240 VelTiming, page2@250,270";
        // clang-format on
    }
    void pages()
    {
        QFETCH(QList<int>, geometry);
        QFETCH(QString, lastLabel);
        LapRows list;
        for (int i = 0; i < geometry[5]; ++i)
            list.append({i == geometry[5] - 1 && !lastLabel.isEmpty() ? lastLabel : QStringLiteral("r%1").arg(i),
                         QStringLiteral("t%1").arg(i), QStringLiteral("d%1").arg(i)});
        RecordingSurface s;
        s.lineHeight = geometry[2];
        QFETCH(QString, comment);
        Module_impression::RowsStart start{1, geometry[1] + 200};
        if (!comment.isEmpty())
            start = Module_impression::PrintComment(geometry[0], geometry[1], geometry[4], geometry[3], geometry[4],
                                                    comment, s);
        Module_impression::PrintTwoCols(geometry[0], geometry[1], 410, 490, geometry[3], geometry[4], list, s, start);
        QTEST(s.calls.join(u' '), "calls");
    }
};

QTEST_GUILESS_MAIN(TestPrintLayout)
#include "test_print_layout.moc"
