#include "documents/list_copy.h"

#include "core/timekeeper.h"
#include "platform/platform.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {
constexpr int kDelayMs = 1000;
// A copy that cannot be written is tried again this long after, while nothing else changes.
constexpr int kRetryMs = 10000;
const QString kName = QStringLiteral("Liste en cours");

// "Liste en cours", then "Liste en cours 2" and on: one name for each copy.
QString copyName(int number)
{
    return number == 1 ? kName : kName + QLatin1Char(' ') + QString::number(number);
}
} // namespace

ListCopy::ListCopy(Timekeeper &timekeeper, Platform &platform, const QString &folder, QObject *parent)
    : QObject(parent), timekeeper_(timekeeper), platform_(platform)
{
    const LapList &list = timekeeper.list();
    if (!folder.isEmpty())
        readEarlier(folder);
    writer_.setMaxThreadCount(1); // one write at a time, in order
    delay_.setSingleShot(true);
    delay_.setTimerType(Qt::PreciseTimer);
    delay_.setInterval(kDelayMs);
    connect(&delay_, &QTimer::timeout, this, [this] { write(false); });
    for (const auto rows : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&list, rows, this, [this](const QModelIndex &, int first, int) { rewrite(first); });
    connect(&list, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &first) { rewrite(first.row()); });
    connect(&list, &QAbstractItemModel::modelReset, this, [this] { rewrite(-1); });
    connect(&timekeeper, &Timekeeper::commentChanged, this, [this] { rewrite(-1); });
    connect(&timekeeper, &Timekeeper::runChanged, this, [this] { write(false); });
}

ListCopy::~ListCopy()
{
    writer_.waitForDone();
}

void ListCopy::readEarlier(const QString &folder)
{
    const QDir dir(folder);
    static const QRegularExpression copy(QStringLiteral("^Liste en cours(?: ([1-9][0-9]{0,5}))?$"));
    QList<int> numbers;
    for (const QString &name : dir.entryList(QDir::Files | QDir::System | QDir::Hidden))
        if (const QRegularExpressionMatch match = copy.match(name); match.hasMatch())
            numbers.append(match.captured(1).isEmpty() ? 1 : match.captured(1).toInt());
    std::sort(numbers.begin(), numbers.end());
    for (const int number : numbers) {
        const QString path = dir.filePath(copyName(number));
        QString problem;
        std::optional<QByteArray> bytes = WholeFile::read(path, SavedList::kLargestFile, problem);
        if (!bytes)
            continue; // left alone, and its name not taken
        // A line the program was writing when it ended holds half of what it meant.
        bytes->truncate(bytes->lastIndexOf('\n') + 1);
        Earlier earlier{path, SavedList::read(*bytes), RunJournal::read(*bytes)};
        if (earlier.contents.rows.isEmpty())
            earlier.contents = {};
        // An idle run holds nothing to give back.
        const std::optional<Run> run = earlier.run ? Run::load(earlier.run->run) : std::nullopt;
        if (run.value_or(Run()).state() == RunState::Idle)
            earlier.run.reset();
        if (earlier.contents.rows.isEmpty() && !earlier.run)
            QFile::remove(path);
        else
            earlier_.append(earlier);
    }
    for (int number = 1; path_.isEmpty(); ++number)
        if (!QFileInfo::exists(dir.filePath(copyName(number))))
            path_ = dir.filePath(copyName(number));
}

void ListCopy::taken(const QString &path)
{
    earlier_.removeIf([&](const Earlier &earlier) { return earlier.path == path; });
    if (written_.exists && stale_.isEmpty())
        stale_ = path_;
    path_ = path;
    // That copy is replaced whole, by a copy that holds its rows.
    written_ = {true, true, 0, {}, false};
    write(false);
}

void ListCopy::forgotten(const QString &path)
{
    earlier_.removeIf([&](const Earlier &earlier) { return earlier.path == path; });
    writer_.start([path] { QFile::remove(path); });
}

void ListCopy::changed()
{
    rewrite(-1);
}

void ListCopy::rewrite(qsizetype firstChanged)
{
    unsaved_ = true;
    if (firstChanged < written_.rows)
        written_.whole = false;
    if (!delay_.isActive())
        delay_.start(kDelayMs);
}

void ListCopy::discard()
{
    unsaved_ = false;
    write(true);
}

void ListCopy::giveUp()
{
    unsaved_ = false;
    givenUp_ = true;
    write(true);
}

void ListCopy::writeLast()
{
    write(true);
    sealed_ = true;
}

void ListCopy::write(bool wait)
{
    delay_.stop();
    if (path_.isEmpty() || sealed_)
        return;
    Platform &platform = platform_;
    const Run &run = timekeeper_.run();
    const bool runs = run.state() != RunState::Idle && !givenUp_;
    const bool holdsList = unsaved_ || runs;
    const LapList &list = timekeeper_.list();
    const qsizetype rows = holdsList ? list.rowCount() : 0;
    if (rows == 0 && !runs) {
        if (written_.exists)
            perform(
                [path = path_, stale = std::exchange(stale_, QString())] {
                    for (const QString &copy : {stale, path})
                        if (!copy.isEmpty())
                            QFile::remove(copy);
                    return QString();
                },
                wait);
        written_ = {};
        if (wait)
            writer_.waitForDone();
        return;
    }
    const SavedRun saved{run.save(), platform.bootId(), platform.microseconds(), platform.now()};
    if (written_.exists && written_.whole && written_.list == holdsList && written_.rows <= rows) {
        // Only what is new goes to the end of the copy.
        QByteArray added;
        for (qsizetype row = written_.rows; row < rows; ++row)
            added.append(list.rows().line(row)).append('\n');
        if (saved.run != written_.run)
            added += RunJournal::line(saved);
        written_.rows = rows;
        written_.run = saved.run;
        if (!added.isEmpty())
            perform([this, path = path_, added] { return broken_ ? lastReported_ : WholeFile::append(path, added); },
                    wait);
        else if (wait)
            writer_.waitForDone();
        return;
    }
    QString header = SavedList::headerLine(platform.now());
    if (runs)
        header = RunJournal::header(header, saved);
    // The rows are shared with the list, not copied, until one side changes;
    // the document is made on the writer's thread.
    writeWhole(header, holdsList ? timekeeper_.comment() : QString(), holdsList ? list.rows() : LapRows(),
               std::exchange(stale_, QString()));
    written_ = {true, holdsList, rows, saved.run, true};
    if (wait)
        writer_.waitForDone();
}

void ListCopy::writeWhole(const QString &header, const QString &comment, const LapRows &rows, const QString &replaced)
{
    perform(
        [path = path_, header, comment, rows, replaced] {
            QDir().mkpath(QFileInfo(path).path());
            const QString problem = WholeFile::write(path, SavedList::write(header, comment, rows));
            if (problem.isEmpty() && !replaced.isEmpty())
                QFile::remove(replaced);
            return problem;
        },
        false);
}

void ListCopy::perform(std::function<QString()> work, bool wait)
{
    writer_.start([this, work = std::move(work)] {
        const QString problem = work();
        broken_ = !problem.isEmpty();
        // Each failure, so that it is tried again; a success only after one.
        if (!problem.isEmpty() || !lastReported_.isEmpty()) {
            lastReported_ = problem;
            QMetaObject::invokeMethod(
                this, [this, problem] { reported(problem); }, Qt::QueuedConnection);
        }
    });
    if (wait)
        writer_.waitForDone();
}

void ListCopy::reported(const QString &problem)
{
    if (sealed_)
        return;
    if (!problem.isEmpty()) {
        written_.whole = false; // the next write makes the copy whole again
        QTimer::singleShot(kRetryMs, this, [this] {
            if (!problem_.isEmpty() && !delay_.isActive())
                write(false);
        });
    }
    const QString told = problem.isEmpty()
                             ? QString()
                             : QStringLiteral("La liste en cours n'est pas protégée : sa copie de secours ne peut "
                                              "pas être écrite dans « %1 » : %2")
                                   .arg(QDir::toNativeSeparators(path_), problem);
    if (told != problem_) {
        problem_ = told;
        emit problemChanged(problem_);
    }
}
