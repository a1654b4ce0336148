#pragma once

#include "widgets/help_tag.h"
#include "widgets/single_instance.h"

#include "widgets/return_key_dialog.h"
#include <QList>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The preferences window: lap label, alert message and three switches. It is
// shown without a modal wait, and its OK applies the settings at once.
class pref_interm : public ReturnKeyDialog, public SingleInstance<pref_interm> {
    Q_OBJECT
public:
    pref_interm();

    QLabel *StaticText1;
    QLineEdit *chaine_interm;
    QPushButton *PushButton1;
    QPushButton *PushButton2;
    QPushButton *PushButton3;
    QFrame *Separator1;
    QLineEdit *timer_defaut;
    QLabel *StaticText2;
    QCheckBox *CheckBox1;
    QCheckBox *CheckBox2;
    QFrame *Separator2;
    QFrame *Separator3;
    QCheckBox *CheckBox3;

    // Refills the two texts and the first box from the program, then shows.
    // The other two boxes keep what they held when the window was hidden.
    void showCurrentSettings();

    void PushButton1_Action();
    void PushButton2_Action();
    void PushButton3_Action();

    // The two boxes whose help tags the preferences switch; the third has none.
    QList<HelpTag> helpTags() const;

signals:
    // OK applied the settings.
    void settingsChanged();

protected:
    // Escape and the window manager's close answer as "Annuler" does.
    void reject() override;
};
