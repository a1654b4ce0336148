#include "laps/list_editing.h"

#include "engine/list_box.h"
#include "engine/window1.h"
#include "laps/effacer_la_liste.h"
#include "platform/platform.h"

namespace ListEditing {
void install(Window1 &window)
{
    window.setHandler(QStringLiteral("efface_liste"), &Methodes::Effacer_la_liste);
    window.setHandler(QStringLiteral("EditClear"), &Methodes::Effacer_la_liste);
    window.setHandler(QStringLiteral("meneditionitemeffacerlaligne"), [&window] { removeSelectedRow(window); });
}

void removeSelectedRow(Window1 &window)
{
    const int selected = window.ListBox1->selectedRow();
    if (selected > -1)
        window.ListBox1->removeRow(selected);
    else
        Platform::get().messageBox(QStringLiteral("Aucune ligne sélectionnée!"));
}
} // namespace ListEditing
