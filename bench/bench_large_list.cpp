// Saving and opening a list of 1,000,000 rows through the real commands, the
// memory the opened list holds beside the file's size, and what keeping the
// journal of 10,000 rows costs the event thread.
#include "dialogs/fenetre_answer.h"
#include "documents/list_journal.h"
#include "fake_platform.h"
#include "main_window/window1.h"
#include "platform/file_types.h"
#include "shell/appli.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <malloc.h>

namespace {
// Bytes the allocator has handed out.
qint64 allocated()
{
    return qint64(mallinfo2().uordblks) + qint64(mallinfo2().hblkhd);
}
} // namespace

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
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 1000000;
    QList<ListRow> list;
    for (int i = 0; i < rows; ++i)
        list.append({QStringLiteral("Temps intermédiaire  %1:").arg(i + 1), QStringLiteral("0:01:05:37"),
                     QStringLiteral("+  0:00:12:50")});
    w.laps().append(list);
    list.clear();

    const QString path = folder.filePath(QStringLiteral("grande liste"));
    platform.dialogScripts.enqueue([](QDialog &d) { static_cast<fenetre_answer &>(d).PushButton2->click(); });
    platform.saveAnswers.enqueue(path);
    QElapsedTimer timer;
    timer.start();
    w.FileSauver_Action();
    const qint64 saveMs = timer.elapsed();

    ListJournal::current()->discard();
    w.laps().clear();
    const qint64 before = allocated();
    platform.openAnswers.enqueue(path);
    timer.restart();
    w.menfichierMenuouvrir_Action();
    QApplication::processEvents();
    const qint64 openMs = timer.elapsed();
    const double held = double(allocated() - before) / double(QFileInfo(path).size());

    std::printf("save %d rows: %lld ms\nopen %d rows: %lld ms (%d rows in the list), holding %.2f times the file's "
                "%.1f MB\n",
                rows, saveMs, rows, openMs, w.laps().rowCount(), held, QFileInfo(path).size() / 1e6);

    constexpr int kJournalRows = 10000;
    w.laps().replace(w.laps().rows().first(kJournalRows));
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
