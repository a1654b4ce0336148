#include "widgets/return_key_dialog.h"

#include <QKeyEvent>
#include <QPushButton>

void ReturnKeyDialog::keyPressEvent(QKeyEvent *event)
{
    const bool plainReturn = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                             (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    // The buttons are not auto-default, so a focused one leaves Return to the dialog.
    if (auto *button = qobject_cast<QPushButton *>(focusWidget()); plainReturn && button && button->isEnabled()) {
        button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
