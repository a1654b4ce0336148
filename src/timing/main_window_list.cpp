// The main window's list: the Edition menu's commands on it, its help tags and
// the settings it shows.
#include "core/settings.h"
#include "core/timekeeper.h"
#include "platform/platform.h"
#include "questions/question_dialog.h"
#include "timing/main_window.h"
#include "widgets/lap_list_view.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

void MainWindow::removeSelectedRow()
{
    const int selected = lapView_->selectedRow();
    if (selected > -1)
        history_.removeRow(selected);
    else
        platform_.messageBox(QStringLiteral("Aucune ligne sélectionnée!"));
}

void MainWindow::clearList()
{
    if (timekeeper_.list().rowCount() == 0) {
        platform_.messageBox(QStringLiteral("La liste est déjà vide!"));
        return;
    }
    // Only the first button clears; Escape keeps the list as "Annuler" does.
    if (QuestionDialog::ask(platform_, this,
                            {QStringLiteral("Vraiment effacer la liste?"), QStringLiteral("Effacer la liste"),
                             QStringLiteral("Annuler"), IconCanvas::Icon::Caution, 2}) == Answer::First)
        history_.clearList();
}

void MainWindow::edit(Edit edit)
{
    // A field of any window, or the list for copying; nothing elsewhere.
    QWidget *focused = QApplication::focusWidget();
    if (auto *field = qobject_cast<QLineEdit *>(focused))
        edit == Edit::Cut ? field->cut() : edit == Edit::Copy ? field->copy() : field->paste();
    else if (auto *text = qobject_cast<QPlainTextEdit *>(focused))
        edit == Edit::Cut ? text->cut() : edit == Edit::Copy ? text->copy() : text->paste();
    else if (auto *list = qobject_cast<LapListView *>(focused); list && edit == Edit::Copy)
        list->copy();
}

void MainWindow::showSettings()
{
    // The hidden column keeps its cells.
    lapView_->setColumnWidths(timekeeper_.settings().values().showDifferences ? QStringLiteral("50%,25%,25%")
                                                                              : QStringLiteral("75%,25%,0%"));
}

QList<HelpTag> MainWindow::helpTags() const
{
    return {
        {lapView_, QStringLiteral("Cette zone liste les temps intermédiaires à droite, et leur commentaire à gauche. "
                                  "Elle peut être sauvegardée.")},
        {clearButton_, QStringLiteral("Cliquez sur ce bouton pour effacer le contenu de la liste.")},
        {startButton_, QStringLiteral("Ce bouton fait démarrer le chronomètre ou le timer s'il affiche \"Départ\", "
                                      "l'arrête s'il affiche \"Stop\".")},
        {pauseButton_, QStringLiteral("Ce bouton met le chronomètre en mode pause lorsqu'il affiche \"Pause\", "
                                      "reprend le décompte lorsqu'il affiche \"Reprendre\"")},
        {lapButton_, QStringLiteral("Ce bouton entre dans la liste le temps intermédiaire correspondant "
                                    "exactement au moment du clic.")},
        {resetButton_, QStringLiteral("Ce bouton remet à 0:00:00:00 l'afficheur en mode Chronomètre, ou remet "
                                      "l'afficheur au temps désiré en mode Timer.")},
        {commentField_, QStringLiteral("Entrez dans cette zone un commentaire pour le prochain temps intermédiaire. "
                                       "Si vous laissez vide,  le commentaire choisi dans les préférences sera "
                                       "utilisé.")},
        {chronometerMode_, QStringLiteral("Permet de passer en mode Chronomètre (le temps augmente à partir de "
                                          "0:00:00:00).")},
        {timerMode_, QStringLiteral("Permet de passer en mode Timer (le temps diminue à partir d'un temps "
                                    "donné).")},
        {displayFrame_, QStringLiteral("Affiche le temps qui augmente en mode Chronomètre ou diminue en mode Timer.")},
    };
}
