#pragma once

#include "widgets/help_tag.h"
#include "widgets/return_key_dialog.h"

#include <QList>

class QCheckBox;
class QKeySequenceEdit;
class QLineEdit;
struct Preferences;

// The preferences window: the lap label, the alert's message, three
// switches and the key that takes a lap from anywhere. It is shown without a
// modal wait; OK gives what it holds, and Annuler, Escape and the close box
// leave the settings as they were.
class PreferencesWindow : public ReturnKeyDialog {
    Q_OBJECT
public:
    // globalKeyNote: why this desktop lets no program take a key from
    // anywhere, shown in place of the key's field; empty where it does.
    PreferencesWindow(const Preferences &settings, const QString &globalKeyNote, QWidget *parent);

    // Refills the two texts, the first box and the key from the settings,
    // then shows. The other two boxes keep what they held when the window
    // was hidden.
    void showSettings(const Preferences &settings, QKeyCombination globalKey);
    // The two boxes whose help tags the preferences switch; the third has none.
    QList<HelpTag> helpTags() const;

    struct Choice {
        QString lapLabel;
        QString alertMessage;
        bool askMessage;
        bool showDifferences;
        bool showHelpTags;
        QKeyCombination globalKey;
    };

signals:
    void chosen(const PreferencesWindow::Choice &choice);

protected:
    // Escape, Return and Tab in the key's field do what they do everywhere
    // else in the window, rather than become the key.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *lapLabel_;
    QLineEdit *alertMessage_;
    QCheckBox *askMessage_;
    QCheckBox *showDifferences_;
    QCheckBox *showHelpTags_;
    QKeySequenceEdit *globalKey_;
};
