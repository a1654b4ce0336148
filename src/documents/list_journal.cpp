#include "documents/list_journal.h"

#include "documents/saved_list.h"
#include "engine/fenetre_answer.h"
#include "engine/list_box.h"
#include "engine/variables_globales.h"
#include "platform/platform.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
ListJournal *running = nullptr;
constexpr int kDelayMs = 1000;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    WholeFile::write(path, bytes); // a failure is tried again at the next change
}
} // namespace

ListJournal::ListJournal(ListBox &list, const QString &folder, QObject *parent)
    : QObject(parent), list_(list), path_(folder.isEmpty() ? QString() : QDir(folder).filePath("Liste en cours"))
{
    running = this;
    writer_.setMaxThreadCount(1); // one write at a time, in order
    delay_.setSingleShot(true);
    delay_.setTimerType(Qt::PreciseTimer);
    delay_.setInterval(kDelayMs);
    connect(&delay_, &QTimer::timeout, this, [this] { write(false); });
    const QAbstractItemModel *model = list.model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &ListJournal::changed);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &ListJournal::changed);
    connect(model, &QAbstractItemModel::dataChanged, this, &ListJournal::changed);
    connect(model, &QAbstractItemModel::modelReset, this, &ListJournal::changed);
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

void ListJournal::hold()
{
    held_ = true;
}

void ListJournal::release()
{
    held_ = false;
    if (std::exchange(pending_, false))
        changed();
}

void ListJournal::changed()
{
    if (held_)
        pending_ = true;
    else if (!delay_.isActive())
        delay_.start();
}

void ListJournal::writeNow()
{
    if (!held_)
        write(true);
}

void ListJournal::discard()
{
    delay_.stop();
    writer_.waitForDone();
    if (!path_.isEmpty())
        QFile::remove(path_);
}

void ListJournal::write(bool wait)
{
    delay_.stop();
    if (path_.isEmpty())
        return;
    if (list_.rowCount() == 0) {
        discard();
        return;
    }
    // Only the snapshot is taken here; encoding and writing run on the
    // writer's thread.
    const QString header = SavedList::headerLine(Platform::get().now());
    const auto task = [path = path_, header, comment = Variables_globales.Commentaire_encours,
                       rows = list_.rows(list_.rowCount())] {
        writeFile(path, SavedList::write(header, comment, rows));
    };
    writer_.start(task);
    if (wait)
        writer_.waitForDone();
}
