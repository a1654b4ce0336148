#include "documents/document_commands.h"

#include "core/date_texts.h"
#include "core/module_impression.h"
#include "core/run_journal.h"
#include "core/saved_list.h"
#include "core/variables_globales.h"
#include "dialogs/fenetre_answer.h"
#include "dialogs/fonctions_fenetres_divreses.h"
#include "documents/demande_sauver.h"
#include "documents/document_saving.h"
#include "documents/list_journal.h"
#include "documents/painter_surface.h"
#include "main_window/window1.h"
#include "platform/file_types.h"
#include "platform/platform.h"
#include "widgets/list_box.h"

#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>

namespace DocumentCommands {
bool mayEnd(Window1 &window)
{
    bool ends = window.laps().rowCount() == 0;
    if (!ends) {
        const QDateTime moment = Platform::get().now();
        switch (Fonctions_fenetres_divreses::type_message(QStringLiteral("Voulez-vous sauvegarder la liste en cours?"),
                                                          QStringLiteral("Quitter"), QStringLiteral("Sauvegarder"),
                                                          QString(), 3, 2)) {
        case Answer::First:
            ends = true;
            break;
        case Answer::Second:
            // A document that could not be written keeps the program
            // running, so the list is not lost.
            ends = DocumentSaving::run(moment, QString(), false) == DocumentSaving::Outcome::Written;
            break;
        case Answer::Cancelled:
            break;
        }
    }
    if (ListJournal *journal = ListJournal::current(); ends && journal)
        journal->giveUp();
    return ends;
}

void quit(Window1 &window)
{
    if (mayEnd(window))
        Platform::get().quit(0);
}

namespace {
// Asks before rows that are nowhere else are replaced; false when the user
// cancels, or chose to save and the list was not written.
bool mayReplace(Window1 &window)
{
    const ListJournal *journal = ListJournal::current();
    if (window.laps().rowCount() == 0 || (journal && !journal->unsaved()))
        return true;
    const QDateTime moment = Platform::get().now();
    switch (Fonctions_fenetres_divreses::type_message(
        QStringLiteral("Voulez-vous sauvegarder la liste en cours avant d'ouvrir une autre liste?"),
        QStringLiteral("Ne pas sauvegarder"), QStringLiteral("Sauvegarder"), QString(), 3, 2)) {
    case Answer::First:
        return true;
    case Answer::Second:
        return DocumentSaving::run(moment, Variables_globales.Commentaire_encours, true) ==
               DocumentSaving::Outcome::Written;
    case Answer::Cancelled:
        break;
    }
    return false;
}
} // namespace

void open(Window1 &window)
{
    if (!mayReplace(window))
        return;
    Platform &platform = Platform::get();
    const QString path = platform.openFileName(FileTypes::pText);
    if (path.isEmpty())
        return;
    // The whole file is read before the list is replaced, so a file that
    // cannot be read loses nothing.
    QString problem;
    const std::optional<QByteArray> bytes = DocumentSaving::readFile(path, problem);
    SavedList::Contents contents;
    if (bytes) {
        contents = SavedList::read(*bytes);
        problem = SavedList::refusal(*bytes, contents);
    }
    if (!problem.isEmpty()) {
        platform.messageBox(
            QStringLiteral("Impossible d'ouvrir « %1 » : %2").arg(QDir::toNativeSeparators(path), problem));
        return;
    }
    Variables_globales.Commentaire_encours = contents.comment;
    window.laps().replace(contents.rows);
    if (ListJournal *journal = ListJournal::current())
        journal->discard(); // the list is the document's, kept on disk
}

namespace {
// An earlier program's run on today's clocks.
std::optional<RunJournal::Recovered> recoveredRun(const ListJournal::Earlier &copy)
{
    Platform &platform = Platform::get();
    return copy.run ? RunJournal::recover(*copy.run, platform.bootId(), platform.microseconds(), platform.now())
                    : std::nullopt;
}
} // namespace

void offerRecovery(Window1 &window)
{
    ListJournal *journal = ListJournal::current();
    if (!journal)
        return;
    // Rows taken back go before those timed since the start, in the order of the copies.
    qsizetype takenRows = 0;
    const QList<ListJournal::Earlier> copies = journal->earlier();
    for (const ListJournal::Earlier &copy : copies) {
        QString question = QStringLiteral("VelTiming s'est fermé sans que la liste en cours soit sauvegardée. "
                                          "Voulez-vous la récupérer?");
        if (const std::optional<RunJournal::Recovered> run = recoveredRun(copy); run && !run->stopRows.isEmpty())
            question += QStringLiteral("\rL'horloge de l'ordinateur a reculé : la course en cours sera arrêtée au "
                                       "dernier moment connu, %1.")
                            .arg(DateTexts::longTime(copy.run->wall));
        const Answer answer = Fonctions_fenetres_divreses::type_message(question, QStringLiteral("Oublier"),
                                                                        QStringLiteral("Récupérer"), QString(), 3, 2);
        if (answer == Answer::Cancelled)
            continue; // kept as it is, and offered again at the next start
        if (answer == Answer::First) {
            journal->forgotten(copy.path);
            continue;
        }
        // Taken again now: the answer may have come a while after the question.
        const std::optional<RunJournal::Recovered> run = recoveredRun(copy);
        const LapRows current = window.laps().rows();
        const qsizetype meanwhile = current.size() - takenRows;
        LapRows rows = current.first(takenRows);
        rows.append(copy.contents.rows);
        if (run)
            rows.append(run->stopRows);
        rows.append(current.sliced(takenRows));
        Variables_globales.Commentaire_encours += copy.contents.comment;
        window.laps().replace(rows);
        journal->taken(copy.path);
        // A run started meanwhile goes on, in place of the earlier one.
        if (run && Variables_globales.run.state() == RunState::Idle)
            window.resumeRun(*run);
        takenRows = window.laps().rowCount() - meanwhile;
    }
    if (window.laps().rowCount() > 0 && takenRows > 0)
        window.ListBox1->selectLastRow();
}

void print(Window1 &window)
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

    const Reply reply = DocumentSaving::askComment(Variables_globales.Commentaire_encours);
    window.Pour_commentaire_impression->setText(reply.text);
    if (reply.answer != Answer::Second)
        return;
    QPrinter printer;
    printer.setResolution(72);
    if (!Platform::get().printDialog(printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        Platform::get().messageBox(QStringLiteral("Impossible d'imprimer la liste."));
        return;
    }
    fenetre_answer &answer = fenetre_answer::instance();
    PainterSurface surface(painter, printer, answer.EditField1->font());
    const Module_impression::RowsStart start = Module_impression::PrintComment(
        pageLeft, pageTop, pageWidth, height, width, answer.EditField1->toPlainText(), surface);
    Module_impression::PrintTwoCols(pageLeft, pageTop, pageWidth - 185, pageWidth - 105, height, width,
                                    window.laps().rows(), surface, start);
    painter.end();
}
} // namespace DocumentCommands
