// The main window's help tags, in the order they are switched.
#include "main_window/window1.h"
#include "widgets/list_box.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

QList<HelpTag> Window1::helpTags() const
{
    return {
        {ListBox1, QStringLiteral("Cette zone liste les temps intermédiaires à droite, et leur commentaire à gauche. "
                                  "Elle peut être sauvegardée.")},
        {efface_liste, QStringLiteral("Cliquez sur ce bouton pour effacer le contenu de la liste.")},
        {bt_depart, QStringLiteral("Ce bouton fait démarrer le chronomètre ou le timer s'il affiche \"Départ\", "
                                   "l'arrête s'il affiche \"Stop\".")},
        {bt_pause, QStringLiteral("Ce bouton met le chronomètre en mode pause lorsqu'il affiche \"Pause\", reprend "
                                  "le décompte lorsqu'il affiche \"Reprendre\"")},
        {intermediaire, QStringLiteral("Ce bouton entre dans la liste le temps intermédiaire correspondant "
                                       "exactement au moment du clic.")},
        {reset, QStringLiteral("Ce bouton remet à 0:00:00:00 l'afficheur en mode Chronomètre, ou remet l'afficheur "
                               "au temps désiré en mode Timer.")},
        {Commentaire, QStringLiteral("Entrez dans cette zone un commentaire pour le prochain temps intermédiaire. "
                                     "Si vous laissez vide,  le commentaire choisi dans les préférences sera "
                                     "utilisé.")},
        {RadioButton1, QStringLiteral("Permet de passer en mode Chronomètre (le temps augmente à partir de "
                                      "0:00:00:00).")},
        {RadioButton2, QStringLiteral("Permet de passer en mode Timer (le temps diminue à partir d'un temps "
                                      "donné).")},
        {Rectangle1, QStringLiteral("Affiche le temps qui augmente en mode Chronomètre ou diminue en mode Timer.")},
    };
}

void Window1::setDifferenceColumnShown(bool shown)
{
    // The hidden column keeps its cells.
    ListBox1->setColumnWidths(shown ? QStringLiteral("50%,25%,25%") : QStringLiteral("75%,25%,0%"));
}
