#pragma once

#include "widgets/help_tag.h"
#include "widgets/return_key_dialog.h"

#include <QList>

class QCheckBox;
class QLineEdit;
struct Preferences;

// The preferences window: the lap label, the alert's message and three
// switches. It is shown without a modal wait; OK gives what it holds, and
// Annuler, Escape and the close box leave the settings as they were.
class PreferencesWindow : public ReturnKeyDialog {
    Q_OBJECT
public:
    explicit PreferencesWindow(const Preferences &settings, QWidget *parent);

    // Refills the two texts and the first box from the settings, then shows.
    // The other two boxes keep what they held when the window was hidden.
    void showSettings(const Preferences &settings);
    // The two boxes whose help tags the preferences switch; the third has none.
    QList<HelpTag> helpTags() const;

    struct Choice {
        QString lapLabel;
        QString alertMessage;
        bool askMessage;
        bool showDifferences;
        bool showHelpTags;
    };

signals:
    void chosen(const PreferencesWindow::Choice &choice);

private:
    QLineEdit *lapLabel_;
    QLineEdit *alertMessage_;
    QCheckBox *askMessage_;
    QCheckBox *showDifferences_;
    QCheckBox *showHelpTags_;
};
