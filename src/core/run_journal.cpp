#include "core/run_journal.h"

#include <QDataStream>
#include <QIODevice>

namespace {
const QString kOpen = QStringLiteral(" {course ");
constexpr quint8 kFormat = 1;

// The run as the text that follows a header or a line's "-": it holds no tab and
// no line break, so a reader of documents takes neither for a row.
QString record(const SavedRun &saved)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kFormat << saved.run << saved.boot << saved.reading << saved.wall.toMSecsSinceEpoch();
    return kOpen + QString::fromLatin1(bytes.toBase64()) + QLatin1Char('}');
}

// The line a run was read from: the last run line after the line of 62
// hyphens that ends a document's comment, or else the first line.
QByteArray lineOfRun(const QByteArray &document)
{
    const QByteArray runLine = "\n-" + kOpen.toLatin1();
    const qsizetype rows = document.lastIndexOf("\n" + QByteArray(62, '-') + '\n');
    if (const qsizetype at = document.lastIndexOf(runLine); rows >= 0 && at > rows) {
        const qsizetype end = document.indexOf('\n', at + 1);
        return document.mid(at + 1, end < 0 ? -1 : end - at - 1);
    }
    return document.left(document.indexOf('\n'));
}
} // namespace

namespace RunJournal {
QString header(const QString &documentHeader, const SavedRun &saved)
{
    return documentHeader + record(saved);
}

QByteArray line(const SavedRun &saved)
{
    return '-' + record(saved).toLatin1() + '\n';
}

std::optional<SavedRun> read(const QByteArray &document)
{
    const QByteArray line = lineOfRun(document);
    const qsizetype open = line.lastIndexOf(kOpen.toLatin1());
    if (open < 0 || !line.endsWith('}'))
        return std::nullopt;
    const QByteArray bytes = QByteArray::fromBase64(line.mid(open + kOpen.size()).chopped(1));
    QDataStream in(bytes);
    quint8 format = 0;
    qint64 wall = 0;
    SavedRun saved;
    in >> format >> saved.run >> saved.boot >> saved.reading >> wall;
    if (in.status() != QDataStream::Ok || format != kFormat)
        return std::nullopt;
    saved.wall = QDateTime::fromMSecsSinceEpoch(wall);
    return saved;
}

std::optional<Recovered> recover(const SavedRun &saved, const QByteArray &boot, double now, const QDateTime &wallNow)
{
    std::optional<Run> run = Run::load(saved.run);
    if (!run)
        return std::nullopt;
    Recovered recovered{*run, {}, {}, {}};
    const qint64 downMs = saved.wall.msecsTo(wallNow);
    if (saved.boot.isEmpty() || saved.boot != boot) {
        if (downMs < 0 && recovered.run.state() != RunState::Idle) {
            recovered.run.shift(now - saved.reading);
            RunStep stop = recovered.run.stop(now, saved.wall, QString());
            recovered.stopRows = stop.rows;
            recovered.display = stop.display;
            return recovered;
        }
        recovered.run.shift(now - double(downMs) * 1000.0 - saved.reading);
    }
    if (const std::optional<double> end = recovered.run.endReading(); end && *end <= now)
        recovered.endedAt = wallNow.addMSecs(-qint64((now - *end) / 1000.0));
    recovered.display = recovered.endedAt ? QString() : recovered.run.shown(now);
    return recovered;
}
} // namespace RunJournal
