#include "documents/document_commands.h"

#include "documents/demande_sauver.h"
#include "documents/document_saving.h"
#include "documents/list_journal.h"
#include "documents/module_impression.h"
#include "documents/painter_surface.h"
#include "documents/saved_list.h"
#include "engine/fenetre_answer.h"
#include "engine/fenetre_message.h"
#include "engine/fonctions_fenetres_divreses.h"
#include "engine/list_box.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "platform/file_types.h"
#include "platform/platform.h"

#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>

namespace DocumentCommands {
void install(Window1 &window)
{
    window.setHandler(QStringLiteral("FileSauver"), &Methodes::Demande_sauver);
    window.setHandler(QStringLiteral("menfichieritemquitter"), [&window] { quit(window); });
    window.setHandler(QStringLiteral("menfichierMenuouvrir"), [&window] { open(window); });
    window.setHandler(QStringLiteral("menfichierImprimer"), [&window] { print(window); });
}

bool mayEnd(Window1 &window)
{
    bool ends = window.ListBox1->rowCount() == 0;
    if (!ends) {
        const QDateTime moment = Platform::get().now();
        Fonctions_fenetres_divreses::type_message(QStringLiteral("Voulez-vous sauvegarder la liste en cours?"),
                                                  QStringLiteral("Quitter"), QStringLiteral("Sauvegarder"), QString(),
                                                  3, 2);
        // A document that could not be written keeps the program running,
        // so the list is not lost.
        ends = !fenetre_message::instance().OK ||
               DocumentSaving::run(moment, QString(), false) == DocumentSaving::Outcome::Written;
    }
    if (ListJournal *journal = ListJournal::current(); ends && journal)
        journal->discard();
    return ends;
}

void quit(Window1 &window)
{
    if (mayEnd(window))
        Platform::get().quit(0);
}

void open(Window1 &window)
{
    Platform &platform = Platform::get();
    const QString path = platform.openFileName(FileTypes::pText);
    if (path.isEmpty())
        return;
    // The whole file is read before the list is replaced, so a file that
    // cannot be read loses nothing.
    QString problem;
    const std::optional<QByteArray> bytes = DocumentSaving::readFile(path, problem);
    if (!bytes) {
        platform.messageBox(
            QStringLiteral("Impossible d'ouvrir « %1 » : %2").arg(QDir::toNativeSeparators(path), problem));
        return;
    }
    SavedList::Contents contents = SavedList::read(*bytes);
    window.ListBox1->deleteAllRows();
    Variables_globales.Commentaire_encours = contents.comment;
    window.ListBox1->addRows(contents.rows);
}

void offerRecovery(Window1 &window)
{
    ListJournal *journal = ListJournal::current();
    if (!journal)
        return;
    QString problem;
    const std::optional<QByteArray> bytes =
        journal->path().isEmpty() ? std::nullopt : DocumentSaving::readFile(journal->path(), problem);
    SavedList::Contents earlier = bytes ? SavedList::read(*bytes) : SavedList::Contents();
    bool recovered = false;
    if (!earlier.rows.isEmpty()) {
        Fonctions_fenetres_divreses::type_message(
            QStringLiteral("VelTiming s'est fermé sans que la liste en cours soit sauvegardée. "
                           "Voulez-vous la récupérer?"),
            QStringLiteral("Oublier"), QStringLiteral("Récupérer"), QString(), 3, 2);
        recovered = fenetre_message::instance().OK;
    }
    if (recovered) {
        // Rows timed while the question waited follow the earlier ones.
        earlier.rows += window.ListBox1->rows(window.ListBox1->rowCount());
        window.ListBox1->deleteAllRows();
        Variables_globales.Commentaire_encours = earlier.comment;
        window.ListBox1->addRows(earlier.rows);
    } else {
        journal->discard();
    }
    journal->release();
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

    const QString comment = Fonctions_fenetres_divreses::Type_answer(
        QStringLiteral("Entrez un commentaire pour votre chronométrage."), Variables_globales.Commentaire_encours,
        QStringLiteral("Annuler"), QStringLiteral("Continuer"), QString(), 1, 0);
    window.Pour_commentaire_impression->setText(comment);
    if (!fenetre_answer::instance().OK)
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
                                    window.ListBox1->rows(window.ListBox1->rowCount()), surface, start);
    painter.end();
}
} // namespace DocumentCommands
