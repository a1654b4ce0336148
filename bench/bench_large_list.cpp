// Saving and opening a list of 1,000,000 rows through the real commands, the
// memory the opened list holds beside the file's size, what a lap on that
// list costs the event thread and writes to its copy, and what writing the
// copy of 10,000 rows whole costs the event thread.
#include "app/application.h"
#include "core/timekeeper.h"
#include "documents/documents.h"
#include "documents/list_copy.h"
#include "fake_platform.h"
#include "timing/main_window.h"

#include <QApplication>
#include <QDialog>
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
    QApplication qt(argc, argv);
    FakePlatform platform;
    QTemporaryDir folder;
    platform.data = folder.path();
    Application app(platform);
    app.start();
    MainWindow &w = *app.window();
    LapList &laps = app.timekeeper().model();
    ListCopy &copy = *app.copy();
    const auto click = [&w](const char *button) { w.findChild<QPushButton *>(QLatin1String(button))->click(); };
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 1000000;
    QList<ListRow> list;
    for (int i = 0; i < rows; ++i)
        list.append({QStringLiteral("Temps intermédiaire  %1:").arg(i + 1), QStringLiteral("0:01:05:37"),
                     QStringLiteral("+  0:00:12:50")});
    laps.append(list);
    list.clear();

    const QString path = folder.filePath(QStringLiteral("grande liste"));
    platform.dialogScripts.enqueue(
        [](QDialog &d) { d.findChild<QPushButton *>(QStringLiteral("PushButton2"))->click(); });
    platform.saveAnswers.enqueue(path);
    QElapsedTimer timer;
    timer.start();
    app.documents()->save();
    const qint64 saveMs = timer.elapsed();

    copy.discard();
    laps.clear();
    const qint64 before = allocated();
    platform.openAnswers.enqueue(path);
    timer.restart();
    app.documents()->open();
    QApplication::processEvents();
    const qint64 openMs = timer.elapsed();
    const double held = double(allocated() - before) / double(QFileInfo(path).size());

    std::printf("save %d rows: %lld ms\nopen %d rows: %lld ms (%d rows in the list), holding %.2f times the file's "
                "%.1f MB\n",
                rows, saveMs, rows, openMs, laps.rowCount(), held, QFileInfo(path).size() / 1e6);

    // Laps on the opened list, once a run has started and its first copy is written: the lap itself (its row, the
    // list's view, the copy), then the repaint that follows, which a short list costs as much.
    click("bt_depart");
    copy.finishWriting();
    QApplication::processEvents();
    constexpr int kLaps = 40;
    qint64 lapWorstNs = 0, lapTotalNs = 0, paintWorstNs = 0, paintTotalNs = 0, lapWorstBytes = 0;
    for (int lap = 0; lap < kLaps; ++lap) {
        platform.advance(0.5);
        const qint64 bytesBefore = bytesWritten();
        timer.restart();
        click("intermediaire");
        const qint64 lapNs = timer.nsecsElapsed();
        QApplication::processEvents();
        const qint64 paintNs = timer.nsecsElapsed() - lapNs;
        copy.finishWriting();
        lapWorstNs = std::max(lapWorstNs, lapNs);
        lapTotalNs += lapNs;
        paintWorstNs = std::max(paintWorstNs, paintNs);
        paintTotalNs += paintNs;
        lapWorstBytes = std::max(lapWorstBytes, bytesWritten() - bytesBefore);
    }
    std::printf("a lap on %d rows: %.2f ms on the event thread on average (%.2f at most), then %.2f ms to repaint "
                "(%.2f at most); %lld bytes written at most (%d laps)\n",
                laps.rowCount(), lapTotalNs / 1e6 / kLaps, lapWorstNs / 1e6, paintTotalNs / 1e6 / kLaps,
                paintWorstNs / 1e6, lapWorstBytes, kLaps);
    click("bt_depart");

    constexpr int kJournalRows = 10000;
    laps.replace(laps.rows().first(kJournalRows));
    ListCopy &journal = copy;
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
    return 0;
}
