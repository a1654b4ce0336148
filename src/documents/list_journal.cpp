#include "documents/list_journal.h"

#include "core/lap_list.h"
#include "core/variables_globales.h"
#include "dialogs/fenetre_answer.h"
#include "platform/platform.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

namespace {
ListJournal *running = nullptr;
constexpr int kDelayMs = 1000;
constexpr qint64 kLargestJournal = 256LL * 1024 * 1024;
} // namespace

ListJournal::ListJournal(LapList &list, const QString &folder, QObject *parent)
    : QObject(parent), list_(list), path_(folder.isEmpty() ? QString() : QDir(folder).filePath("Liste en cours"))
{
    running = this;
    QString problem;
    if (const std::optional<QByteArray> bytes =
            path_.isEmpty() ? std::nullopt : WholeFile::read(path_, kLargestJournal, problem)) {
        earlier_ = SavedList::read(*bytes);
        earlierRun_ = RunJournal::read(*bytes);
    }
    if (earlier_.rows.isEmpty())
        earlier_ = {};
    // An idle run holds nothing to give back.
    const std::optional<Run> run = earlierRun_ ? Run::load(earlierRun_->run) : std::nullopt;
    if (run.value_or(Run()).state() == RunState::Idle)
        earlierRun_.reset();
    writer_.setMaxThreadCount(1); // one write at a time, in order
    delay_.setSingleShot(true);
    delay_.setTimerType(Qt::PreciseTimer);
    delay_.setInterval(kDelayMs);
    connect(&delay_, &QTimer::timeout, this, [this] { write(false); });
    connect(&list, &QAbstractItemModel::rowsInserted, this, &ListJournal::changed);
    connect(&list, &QAbstractItemModel::rowsRemoved, this, &ListJournal::changed);
    connect(&list, &LapList::cellEdited, this, &ListJournal::changed);
    connect(&list, &QAbstractItemModel::modelReset, this, &ListJournal::changed);
    connect(&fenetre_answer::instance(), &fenetre_answer::answered, this, &ListJournal::changed);
}

ListJournal::~ListJournal()
{
    writer_.waitForDone();
    if (running == this)
        running = nullptr;
}

ListJournal *ListJournal::current()
{
    return running;
}

void ListJournal::settleEarlier()
{
    earlier_ = {};
    earlierRun_.reset();
    if (!delay_.isActive())
        delay_.start();
}

void ListJournal::changed()
{
    unsaved_ = true;
    if (!delay_.isActive())
        delay_.start();
}

void ListJournal::discard()
{
    unsaved_ = false;
    write(true);
}

void ListJournal::giveUp()
{
    unsaved_ = false;
    givenUp_ = true;
    write(true);
}

void ListJournal::writeLast()
{
    write(true);
    sealed_ = true;
}

void ListJournal::write(bool wait)
{
    delay_.stop();
    if (path_.isEmpty() || sealed_)
        return;
    Platform &platform = Platform::get();
    const Run &run = Variables_globales.run;
    const bool running = run.state() != RunState::Idle && !givenUp_;
    SavedList::Contents kept = earlier_;
    if (unsaved_ || running) {
        kept.comment += Variables_globales.Commentaire_encours;
        kept.rows.append(list_.rows());
    }
    // The run under way, or else an earlier one not yet taken or given up.
    const std::optional<SavedRun> saved =
        running ? SavedRun{run.save(), platform.bootId(), platform.microseconds(), platform.now()} : earlierRun_;
    if (kept.rows.isEmpty() && !saved) {
        writer_.waitForDone();
        QFile::remove(path_);
        return;
    }
    // Only the snapshot is taken here; encoding and writing run on the
    // writer's thread.
    QString header = SavedList::headerLine(platform.now());
    if (saved)
        header = RunJournal::header(header, *saved);
    writer_.start([this, path = path_, header, kept = std::move(kept)] {
        QDir().mkpath(QFileInfo(path).path());
        const QString problem = WholeFile::write(path, SavedList::write(header, kept.comment, kept.rows));
        if (!problem.isEmpty())
            QMetaObject::invokeMethod(
                this, [this, problem] { report(problem); }, Qt::QueuedConnection);
    });
    if (wait)
        writer_.waitForDone();
}

void ListJournal::report(const QString &problem)
{
    if (std::exchange(reported_, true) || sealed_)
        return;
    Platform::get().messageBox(QStringLiteral("La liste en cours n'est pas protégée : sa copie de secours ne peut "
                                              "pas être écrite dans « %1 » : %2")
                                   .arg(QDir::toNativeSeparators(path_), problem));
}
