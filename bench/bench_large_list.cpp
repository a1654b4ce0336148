// Saving and opening a list of 1,000,000 rows through the real commands, the
// memory the opened list holds beside the file's size, what a lap on that
// list costs the event thread and writes to its copy, and what writing the
// copy of 10,000 rows whole costs the event thread.
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

// Bytes the process has handed to write() and its kin so far.
qint64 bytesWritten()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n'))
        if (line.startsWith("wchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
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

    // Laps on the opened list, once a run has started and its first copy is written: the lap itself (its row, the
    // list's view, the copy), then the repaint that follows, which a short list costs as much.
    w.bt_depart->click();
    ListJournal::current()->finishWriting();
    QApplication::processEvents();
    constexpr int kLaps = 40;
    qint64 lapWorstNs = 0, lapTotalNs = 0, paintWorstNs = 0, paintTotalNs = 0, lapWorstBytes = 0;
    for (int lap = 0; lap < kLaps; ++lap) {
        platform.advance(0.5);
        const qint64 bytesBefore = bytesWritten();
        timer.restart();
        w.intermediaire->click();
        const qint64 lapNs = timer.nsecsElapsed();
        QApplication::processEvents();
        const qint64 paintNs = timer.nsecsElapsed() - lapNs;
        ListJournal::current()->finishWriting();
        lapWorstNs = std::max(lapWorstNs, lapNs);
        lapTotalNs += lapNs;
        paintWorstNs = std::max(paintWorstNs, paintNs);
        paintTotalNs += paintNs;
        lapWorstBytes = std::max(lapWorstBytes, bytesWritten() - bytesBefore);
    }
    std::printf("a lap on %d rows: %.2f ms on the event thread on average (%.2f at most), then %.2f ms to repaint "
                "(%.2f at most); %lld bytes written at most (%d laps)\n",
                w.laps().rowCount(), lapTotalNs / 1e6 / kLaps, lapWorstNs / 1e6, paintTotalNs / 1e6 / kLaps,
                paintWorstNs / 1e6, lapWorstBytes, kLaps);
    w.bt_depart->click();

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
