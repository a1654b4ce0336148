#include "documents/document_commands.h"

#include "documents/demande_sauver.h"
#include "documents/document_saving.h"
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
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>

namespace {
// Far beyond any real timing; keeps a wrong choice of file from eating memory.
constexpr qint64 kLargestDocument = 256LL * 1024 * 1024;
} // namespace

namespace DocumentCommands {
void install(Window1 &window)
{
    window.setHandler(QStringLiteral("FileSauver"), &Methodes::Demande_sauver);
    window.setHandler(QStringLiteral("menfichieritemquitter"), [&window] { quit(window); });
    window.setHandler(QStringLiteral("menfichierMenuouvrir"), [&window] { open(window); });
    window.setHandler(QStringLiteral("menfichierImprimer"), [&window] { print(window); });
}

void quit(Window1 &window)
{
    Platform &platform = Platform::get();
    const QDateTime moment = platform.now();
    if (window.ListBox1->rowCount() == 0) {
        platform.quit(0);
        return;
    }
    Fonctions_fenetres_divreses::type_message(QStringLiteral("Voulez-vous sauvegarder la liste en cours?"),
                                              QStringLiteral("Quitter"), QStringLiteral("Sauvegarder"), QString(), 3,
                                              2);
    if (!fenetre_message::instance().OK) {
        platform.quit(0);
        return;
    }
    // A document that could not be written keeps the program running, so
    // the list is not lost.
    if (DocumentSaving::run(moment, QString(), false) == DocumentSaving::Outcome::Written)
        platform.quit(0);
}

void open(Window1 &window)
{
    Platform &platform = Platform::get();
    const QString path = platform.openFileName(FileTypes::pText);
    if (path.isEmpty())
        return;
    // The whole file is read before the list is replaced, so a file that
    // cannot be read loses nothing.
    QFile file(path);
    QString problem;
    QByteArray bytes;
    if (!file.open(QIODevice::ReadOnly))
        problem = file.errorString();
    else if (file.size() > kLargestDocument)
        problem = QStringLiteral("le fichier est trop volumineux pour être une liste de temps");
    else {
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            problem = file.errorString();
    }
    if (!problem.isEmpty()) {
        platform.messageBox(
            QStringLiteral("Impossible d'ouvrir « %1 » : %2").arg(QDir::toNativeSeparators(path), problem));
        return;
    }
    SavedList::Contents contents = SavedList::read(bytes);
    window.ListBox1->deleteAllRows();
    Variables_globales.Commentaire_encours = contents.comment;
    window.ListBox1->addRows(contents.rows);
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
    Module_impression::PrintComment(pageLeft, pageTop, pageWidth, answer.EditField1->toPlainText(), surface);
    Module_impression::PrintTwoCols(pageLeft, pageTop, pageWidth - 185, pageWidth - 105, height, width,
                                    window.ListBox1->rows(window.ListBox1->rowCount()), surface);
    painter.end();
}
} // namespace DocumentCommands
