#include "documents/documents.h"

#include "core/date_texts.h"
#include "core/print_layout.h"
#include "core/program.h"
#include "core/run_journal.h"
#include "core/saved_list.h"
#include "core/timekeeper.h"
#include "documents/list_copy.h"
#include "documents/painter_surface.h"
#include "platform/platform.h"
#include "platform/whole_file.h"
#include "questions/comment_dialog.h"
#include "questions/question_dialog.h"
#include "widgets/dialog_parts.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>

namespace {
QString problemWith(const QString &what, const QString &path, const QString &problem)
{
    return what.arg(QDir::toNativeSeparators(path), problem);
}
const QString kCannotSave = QStringLiteral("Impossible d'enregistrer la liste dans « %1 » : %2");
const QString kCannotOpen = QStringLiteral("Impossible d'ouvrir « %1 » : %2");
} // namespace

Documents::Documents(Timekeeper &timekeeper, ListCopy &copy, Platform &platform, QWidget *window)
    : timekeeper_(timekeeper), copy_(copy), platform_(platform), window_(window)
{
}

Documents::Saving Documents::saveList(const QString &comment, bool countThisSave)
{
    const QDateTime moment = platform_.now();
    // The rows as they stand now; a countdown may add more while the
    // questions wait.
    const LapRows rows = timekeeper_.list().rows();
    const std::optional<QString> answer = CommentDialog::ask(platform_, window_, comment);
    if (!answer)
        return Saving::Cancelled;
    timekeeper_.setComment(*answer);
    const QString path = platform_.saveFileName(timekeeper_.documentName());
    if (path.isEmpty())
        return Saving::Cancelled;
    if (countThisSave)
        timekeeper_.countDocument();
    const QString problem = WholeFile::write(path, SavedList::write(SavedList::headerLine(moment), *answer, rows));
    if (!problem.isEmpty()) {
        platform_.messageBox(problemWith(kCannotSave, path, problem));
        return Saving::Failed;
    }
    copy_.discard();
    return Saving::Written;
}

void Documents::save()
{
    if (timekeeper_.list().rowCount() == 0) {
        platform_.messageBox(QStringLiteral("Il n'y a rien à sauvegarder!"));
        return;
    }
    saveList(timekeeper_.comment(), true);
}

bool Documents::mayEnd()
{
    bool ends = timekeeper_.list().rowCount() == 0;
    if (!ends) {
        switch (QuestionDialog::ask(platform_, window_,
                                    {QStringLiteral("Voulez-vous sauvegarder la liste en cours?"),
                                     QStringLiteral("Quitter"), QStringLiteral("Sauvegarder"),
                                     IconCanvas::Icon::Caution, 2})) {
        case Answer::First:
            ends = true;
            break;
        case Answer::Second:
            // A document that could not be written keeps the program
            // running, so the list is not lost.
            ends = saveList(QString(), false) == Saving::Written;
            break;
        case Answer::Cancelled:
            break;
        }
    }
    if (ends)
        copy_.giveUp();
    return ends;
}

void Documents::quit()
{
    if (mayEnd())
        platform_.quit(0);
}

bool Documents::mayReplace()
{
    if (timekeeper_.list().rowCount() == 0 || !copy_.unsaved())
        return true;
    switch (QuestionDialog::ask(
        platform_, window_,
        {QStringLiteral("Voulez-vous sauvegarder la liste en cours avant d'ouvrir une autre liste?"),
         QStringLiteral("Ne pas sauvegarder"), QStringLiteral("Sauvegarder"), IconCanvas::Icon::Caution, 2})) {
    case Answer::First:
        return true;
    case Answer::Second:
        return saveList(timekeeper_.comment(), true) == Saving::Written;
    case Answer::Cancelled:
        break;
    }
    return false;
}

void Documents::open()
{
    if (!mayReplace())
        return;
    const QString path = platform_.openFileName();
    if (path.isEmpty())
        return;
    // The whole file is read before the list is replaced, so a file that
    // cannot be read loses nothing.
    QString problem;
    const std::optional<QByteArray> bytes = WholeFile::read(path, SavedList::kLargestFile, problem);
    SavedList::Contents contents;
    if (bytes) {
        contents = SavedList::read(*bytes);
        problem = SavedList::refusal(*bytes, contents);
    }
    if (!problem.isEmpty()) {
        platform_.messageBox(problemWith(kCannotOpen, path, problem));
        return;
    }
    timekeeper_.replaceList(contents.rows, contents.comment);
    copy_.discard(); // the list is the document's, kept on disk
}

void Documents::print()
{
    // Page geometry in points, from a printer with default settings.
    QPrinter defaults;
    defaults.setResolution(72);
    const QRectF paper = defaults.paperRect(QPrinter::Point);
    const QRectF printable = defaults.pageRect(QPrinter::Point);
    const int pageLeft = int(paper.left() - printable.left());
    const int pageTop = int(paper.top() - printable.top());
    const int pageWidth = int(paper.width());
    const int width = int(printable.width());
    const int height = int(printable.height());

    const std::optional<QString> comment = CommentDialog::ask(platform_, window_, timekeeper_.comment());
    if (!comment)
        return;
    timekeeper_.setComment(*comment);
    QPrinter printer;
    printer.setResolution(72);
    if (!platform_.printDialog(printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        platform_.messageBox(QStringLiteral("Impossible d'imprimer la liste."));
        return;
    }
    PainterSurface surface(painter, printer, DialogParts::system12());
    const PrintLayout::RowsStart start =
        PrintLayout::comment(pageLeft, pageTop, pageWidth, height, width, *comment, surface);
    PrintLayout::rows(pageLeft, pageTop, pageWidth - 185, pageWidth - 105, height, width, timekeeper_.list().rows(),
                      surface, start);
    painter.end();
}

namespace {
// An earlier program's run on today's clocks.
std::optional<RunJournal::Recovered> recoveredRun(const ListCopy::Earlier &copy, Platform &platform)
{
    return copy.run ? RunJournal::recover(*copy.run, platform.bootId(), platform.microseconds(), platform.now())
                    : std::nullopt;
}
} // namespace

void Documents::offerRecovery()
{
    // Rows taken back go before those timed since the start, in the order of the copies.
    qsizetype takenRows = 0;
    const QList<ListCopy::Earlier> copies = copy_.earlier();
    for (const ListCopy::Earlier &copy : copies) {
        QString question = Program::name() + QStringLiteral(" s'est fermé sans que la liste en cours soit "
                                                            "sauvegardée. Voulez-vous la récupérer?");
        if (const std::optional<RunJournal::Recovered> run = recoveredRun(copy, platform_);
            run && !run->stopRows.isEmpty())
            question += QStringLiteral("\rL'horloge de l'ordinateur a reculé : la course en cours sera arrêtée au "
                                       "dernier moment connu, %1.")
                            .arg(DateTexts::longTime(copy.run->wall));
        const Answer answer = QuestionDialog::ask(
            platform_, window_,
            {question, QStringLiteral("Oublier"), QStringLiteral("Récupérer"), IconCanvas::Icon::Caution, 2});
        if (answer == Answer::Cancelled)
            continue; // kept as it is, and offered again at the next start
        if (answer == Answer::First) {
            copy_.forgotten(copy.path);
            continue;
        }
        // Taken again now: the answer may have come a while after the question.
        const std::optional<RunJournal::Recovered> run = recoveredRun(copy, platform_);
        const LapRows current = timekeeper_.list().rows();
        const qsizetype meanwhile = current.size() - takenRows;
        LapRows rows = current.first(takenRows);
        rows.append(copy.contents.rows);
        if (run)
            rows.append(run->stopRows);
        rows.append(current.sliced(takenRows));
        timekeeper_.replaceList(rows, timekeeper_.comment() + copy.contents.comment, true);
        copy_.taken(copy.path);
        // A run started meanwhile goes on, in place of the earlier one.
        if (run && timekeeper_.run().state() == RunState::Idle)
            timekeeper_.takeUp(*run);
        takenRows = timekeeper_.list().rowCount() - meanwhile;
    }
}
