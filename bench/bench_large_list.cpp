// Saving and opening a list of 100,000 rows, through the real commands, and
// what keeping the journal of 10,000 rows costs the event thread.
#include "documents/list_journal.h"
#include "engine/fenetre_answer.h"
#include "engine/list_box.h"
#include "engine/window1.h"
#include "fake_platform.h"
#include "platform/file_types.h"
#include "shell/appli.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    FakePlatform platform;
    Platform::install(&platform);
    FileTypes::Initialize();
    appli app(argc, argv);
    QTemporaryDir folder;
    platform.data = folder.path();
    app.Open();
    Window1 &w = Window1::instance();
    constexpr int kRows = 100000;
    QList<ListRow> rows;
    for (int i = 0; i < kRows; ++i)
        rows.append({QStringLiteral("Temps intermédiaire  %1:").arg(i + 1), QStringLiteral("0:01:05:37"),
                     QStringLiteral("+  0:00:12:50")});
    w.ListBox1->addRows(rows);

    const QString path = folder.filePath(QStringLiteral("grande liste"));
    platform.dialogScripts.enqueue([](QDialog &d) { static_cast<fenetre_answer &>(d).PushButton2->click(); });
    platform.saveAnswers.enqueue(path);
    QElapsedTimer timer;
    timer.start();
    w.FileSauver_Action();
    const qint64 saveMs = timer.elapsed();

    w.ListBox1->deleteAllRows();
    platform.openAnswers.enqueue(path);
    timer.restart();
    w.menfichierMenuouvrir_Action();
    QApplication::processEvents();
    const qint64 openMs = timer.elapsed();

    std::printf("save %d rows: %lld ms\nopen %d rows: %lld ms (%d rows in the list)\n", kRows, saveMs, kRows, openMs,
                w.ListBox1->rowCount());

    constexpr int kJournalRows = 10000;
    w.ListBox1->deleteAllRows();
    w.ListBox1->addRows(rows.mid(0, kJournalRows));
    ListJournal &journal = *ListJournal::current();
    auto *delay = journal.findChild<QTimer *>();
    qint64 worstNs = 0, wholeNs = 0;
    for (int round = 0; round < 20; ++round) {
        journal.changed();
        delay->start(0);
        qint64 eventNs = 0;
        timer.restart();
        while (delay->isActive()) {
            QElapsedTimer step;
            step.start();
            QCoreApplication::processEvents();
            eventNs = step.nsecsElapsed(); // the last step is the one that ran the write
        }
        journal.finishWriting();
        worstNs = std::max(worstNs, eventNs);
        wholeNs = std::max(wholeNs, timer.nsecsElapsed());
    }
    std::printf("journal of %d rows: at most %.2f ms on the event thread, %.1f ms in all (worst of 20)\n", kJournalRows,
                worstNs / 1e6, wholeNs / 1e6);
    appli::destroyWindows();
    return 0;
}
