#include "documents/module_impression.h"
#include "documents/print_surface.h"
#include "engine/fenetre_answer.h"
#include "engine/list_box.h"
#include "engine/window1.h"
#include "program_fixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

namespace {
// Records every call as a line of text.
class RecordingSurface : public PrintSurface {
public:
    QStringList calls;
    void drawText(const QString &text, int x, int baseline) override
    {
        calls.append(QStringLiteral("text %1 %2 %3").arg(x).arg(baseline).arg(text));
    }
    void drawRect(int x, int y, int width, int height) override
    {
        calls.append(QStringLiteral("rect %1 %2 %3 %4").arg(x).arg(y).arg(width).arg(height));
    }
    int textHeight() override { return 10; }
    void drawTextBlock(const QString &text, int x, int top, int width, int maxHeight) override
    {
        calls.append(QStringLiteral("block %1 %2 %3 %4 %5").arg(x).arg(top).arg(width).arg(maxHeight).arg(text));
    }
    void nextPage() override { calls.append(QStringLiteral("page")); }
    QStringList footers() const { return calls.filter(QStringLiteral("VelTiming, page")); }
};

QList<ListRow> rows(int count)
{
    QList<ListRow> result;
    for (int i = 0; i < count; ++i)
        result.append({QStringLiteral("r%1").arg(i), QStringLiteral("t"), QStringLiteral("d")});
    return result;
}
} // namespace

class TestPrintLayout : public QObject {
    Q_OBJECT
private slots:
    void commentBlock()
    {
        RecordingSurface s;
        Module_impression::PrintComment(-18, -18, 595, QStringLiteral("Note"), s);
        QCOMPARE(s.calls, QStringList({"text 2 22 Commentaire:", "rect 2 27 550 130", "block 5 29 540 135 Note"}));
    }

    void onePage()
    {
        RecordingSurface s;
        Module_impression::PrintTwoCols(-18, -18, 410, 490, 800, 559, rows(2), s);
        QCOMPARE(s.calls, QStringList({"text 2 182 r0", "text 392 182 t", "text 472 182 d", "text 2 192 r1",
                                       "text 392 192 t", "text 472 192 d", "text 249 770 VelTiming, page1"}));
    }

    void pageFillsOnTheLastRow()
    {
        // Rows at 200, 210 ... the fourth ends at 240 = 290 - 50: no new page.
        RecordingSurface s;
        Module_impression::PrintTwoCols(0, 0, 400, 480, 290, 560, rows(4), s);
        QVERIFY(!s.calls.contains(QStringLiteral("page")));
        QCOMPARE(s.footers(), QStringList({"text 250 260 VelTiming, page1"}));
    }

    void pageBreak()
    {
        RecordingSurface s;
        Module_impression::PrintTwoCols(0, 0, 400, 480, 290, 560, rows(6), s);
        const int breakAt = int(s.calls.indexOf(QStringLiteral("page")));
        QVERIFY(breakAt > 0);
        // Footer 20 below the next line position (240 + 20), then page 2 at top + 30.
        QCOMPARE(s.calls[breakAt - 1], QStringLiteral("text 250 260 VelTiming, page1"));
        QCOMPARE(s.calls[breakAt + 1], QStringLiteral("text 20 30 r4"));
        QCOMPARE(s.calls.last(), QStringLiteral("text 250 260 VelTiming, page2"));
    }

    void oddWidthAndEmptyList()
    {
        RecordingSurface s;
        Module_impression::PrintTwoCols(0, 0, 400, 480, 800, 555, {}, s);
        QCOMPARE(s.calls, QStringList({"text 247 770 VelTiming, page1"}));
    }

    void realPrintToPdf()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        ProgramFixture program;
        program.start();
        Window1 &w = program.window();
        program.click(w.bt_depart);
        program.platform.advance(3.5);
        program.click(w.intermediaire);
        program.click(w.bt_depart);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("liste.pdf"));
        program.platform.dialogScripts.enqueue([](QDialog &d) {
            auto &answer = static_cast<fenetre_answer &>(d);
            answer.EditField1->setPlainText(QStringLiteral("Essai d'impression"));
            QTest::mouseClick(answer.PushButton2, Qt::LeftButton);
        });
        program.platform.printScripts.enqueue([pdf](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        w.menfichierImprimer_Action();
        QCOMPARE(w.Pour_commentaire_impression->text(), QStringLiteral("Essai d'impression"));
        QProcess process;
        process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(30000));
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("VelTiming, page1")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Essai d'impression")));
        QVERIFY(text.contains(QStringLiteral("Temps intermédiaire  1:")) ||
                text.contains(QStringLiteral("Temps intermédiaire 1:")));
        QVERIFY(text.contains(QStringLiteral("0:00:03:50")));
    }
};

VEL_TEST_MAIN(TestPrintLayout)
#include "test_print_layout.moc"
