// Laps and list editing on the main window.
#include "engine/list_box.h"
#include "engine/methodes.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "laps/effacer_la_liste.h"
#include "platform/platform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

void Window1::intermediaire_Action()
{
    auto &vg = Variables_globales;
    const int lap = vg.no_de_intermediaire;
    GroupBox2->setTitle(QStringLiteral("Etiquette pour le temps intermédiaire  ") + QString::number(lap + 1));
    const QString comment = Commentaire->text();
    if (comment.isEmpty()) {
        ListBox1->addRow(preftexteligne->text() + QLatin1Char(' ') + QString::number(lap) + QLatin1Char(':'));
    } else {
        ListBox1->addRow(QString::number(lap) + QStringLiteral(": ") + comment);
        Commentaire->clear();
    }
    Commentaire->setFocus();
    const int row = ListBox1->lastIndex();
    ListBox1->setCell(row, 1, Methodes::Nouv_calcul_temps());
    // The first lap's difference is measured but not shown, so the second
    // lap's is measured from the first.
    const QString difference = Methodes::Calcule_difference();
    if (lap > 1)
        ListBox1->setCell(row, 2, difference);
    ListBox1->selectRow(ListBox1->rowCount() - 1);
    vg.no_de_intermediaire = lap + 1;
}

void Window1::ListBox1_DoubleClick()
{
    for (int column = 0; column < 3; ++column)
        ListBox1->setColumnEditable(column, true);
}

void Window1::ListBox1_CellAction(int, int)
{
    for (int column = 0; column < 3; ++column)
        ListBox1->setColumnEditable(column, false);
}

void Window1::efface_liste_Action()
{
    Methodes::Effacer_la_liste();
}

bool Window1::EditClear_Action()
{
    Methodes::Effacer_la_liste();
    return false;
}

bool Window1::meneditionitemeffacerlaligne_Action()
{
    const int selected = ListBox1->selectedRow();
    if (selected > -1)
        ListBox1->removeRow(selected);
    else
        Platform::get().messageBox(QStringLiteral("Aucune ligne sélectionnée!"));
    return false;
}
