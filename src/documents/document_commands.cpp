// Document commands of the main window: save, open, print and quit.
#include "documents/demande_sauver.h"
#include "documents/document_saving.h"
#include "documents/saved_list.h"
#include "engine/list_box.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "platform/platform.h"
#include "shell/fenetre_message.h"
#include "shell/fonctions_fenetres_divreses.h"

#include "documents/module_impression.h"
#include "documents/painter_surface.h"
#include "shell/fenetre_answer.h"

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

bool Window1::FileSauver_Action()
{
    Methodes::Demande_sauver();
    return false;
}

bool Window1::menfichieritemquitter_Action()
{
    Platform &platform = Platform::get();
    const QDateTime moment = platform.now();
    if (ListBox1->rowCount() == 0) {
        platform.quit(0);
        return false;
    }
    Fonctions_fenetres_divreses::type_message(QStringLiteral("Voulez-vous sauvegarder la liste en cours?"),
                                              QStringLiteral("Quitter"), QStringLiteral("Sauvegarder"), QString(), 3,
                                              2);
    if (!fenetre_message::instance().OK) {
        platform.quit(0);
        return false;
    }
    // A document that could not be written keeps the program running, so
    // the list is not lost.
    if (DocumentSaving::run(moment, QString(), false) == DocumentSaving::Outcome::Written)
        platform.quit(0);
    return false;
}

bool Window1::menfichierMenuouvrir_Action()
{
    Platform &platform = Platform::get();
    const QString path = platform.openFileName();
    if (path.isEmpty())
        return false;
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
        return false;
    }
    SavedList::Contents contents = SavedList::read(bytes);
    ListBox1->deleteAllRows();
    Variables_globales.Commentaire_encours = contents.comment;
    ListBox1->addRows(contents.rows);
    return false;
}

bool Window1::menfichierImprimer_Action()
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
    Pour_commentaire_impression->setText(comment);
    if (!fenetre_answer::instance().OK)
        return false;
    QPrinter printer;
    printer.setResolution(72);
    if (!Platform::get().printDialog(printer))
        return false;
    QPainter painter;
    if (!painter.begin(&printer)) {
        Platform::get().messageBox(QStringLiteral("Impossible d'imprimer la liste."));
        return false;
    }
    fenetre_answer &answer = fenetre_answer::instance();
    PainterSurface surface(painter, printer, answer.EditField1->font());
    Module_impression::PrintComment(pageLeft, pageTop, pageWidth, answer.EditField1->toPlainText(), surface);
    Module_impression::PrintTwoCols(pageLeft, pageTop, pageWidth - 185, pageWidth - 105, height, width,
                                    ListBox1->rows(ListBox1->rowCount()), surface);
    painter.end();
    return false;
}
