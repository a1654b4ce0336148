#pragma once

#include "widgets/return_key_dialog.h"

class QLineEdit;

// Asks, while a countdown already runs, for the message its end will show.
// OK gives the message; "Annuler" and Escape leave it as it was. Kept for
// the next countdown until its close box ends it; the next use then makes a
// fresh one that starts from the message of the moment.
class AlertMessageDialog : public ReturnKeyDialog {
    Q_OBJECT
public:
    AlertMessageDialog(const QString &message, QWidget *parent);

signals:
    void chosen(const QString &message);

protected:
    void showEvent(QShowEvent *event) override;
    // Annuler and Escape only hide it: the next countdown offers what it held.
    void reject() override { hide(); }

private:
    QLineEdit *field_;
};
