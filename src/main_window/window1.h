#pragma once

#include "core/lap_list.h"
#include "core/run_journal.h"
#include "main_window/list_history.h"
#include "widgets/anchoring.h"
#include "widgets/help_tag.h"
#include "widgets/single_instance.h"

#include <QList>
#include <QMainWindow>

#include <functional>
#include <optional>

class QAction;
class QInputEvent;

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class LittleArrows;
class ListBox;
class WarningLine;
struct RunStep;

// The menu items whose commands the main window carries out.
struct MenuItems {
    QAction *AppleAproposdeVelTiming;
    QAction *FileSauver;
    QAction *meneditionitempref;
    QAction *meneditionitemeffacerlaligne;
    QAction *menfichieritemquitter;
    QAction *menfichierImprimer;
    QAction *menfichierMenuouvrir;
    QAction *EditClear;
};

// The commands the layers above the main window carry out for it.
struct MenuCommands {
    std::function<void()> about;
    std::function<void()> save;
    std::function<void()> preferences;
    std::function<void()> quit;
    std::function<void()> print;
    std::function<void()> open;
};

// The program's one document window: the time display, the run buttons, the
// mode, the preset arrows, the comment field and the lap list. Its controls
// keep their layout names, and every control and menu handler lives here.
// The window decides nothing itself: its handlers ask the run, in
// Variables_globales, and show what it gives back.
class Window1 : public QMainWindow, public SingleInstance<Window1> {
    Q_OBJECT
public:
    Window1();
    ~Window1() override;

    // Layout size of the content area, below the menu bar.
    static constexpr int kLayoutWidth = 520;
    static constexpr int kLayoutHeight = 383;

    // The content area's frame, in screen coordinates; a maximized window's
    // is the one it has when not maximized.
    QRect contentFrame() const;
    void setContentFrame(int left, int top, int height, int width);
    // What the window has around its content: the title bar and the menu bar
    // above, the borders. Until the window manager has framed the window, a
    // title bar of a common height stands for its own.
    QMargins aroundContent() const;
    static constexpr int kMinimumWidth = 420;
    static constexpr int kMinimumHeight = 357;

    // The one button that Return and Enter press (see keyPressEvent): Départ,
    // Intermédiaire or Initialiser.
    void setDefaultButton(QPushButton *button);
    QPushButton *defaultButton() const;

    // The controls whose help tags the preferences switch, with their texts.
    QList<HelpTag> helpTags() const;
    // Difference column shown at "50%,25%,25%" or hidden at "75%,25%,0%".
    void setDifferenceColumnShown(bool shown);
    // Why the copy of the list in progress cannot be written, in a line of
    // the window and a desktop notification; empty once it can again.
    void showCopyProblem(const QString &problem);

    // The run controls, the mode and the preset holders as the run stands.
    void showRun();
    // Takes up the run an earlier program left, as it stands on today's
    // clocks; a countdown that ended meanwhile ends now, at its time.
    void resumeRun(const RunJournal::Recovered &recovered);
    // The document's rows, which the list shows.
    LapList &laps() { return laps_; }
    // The user's changes to the list, for Annuler and Rétablir.
    ListHistory &history() { return history_; }

    void setCommands(MenuCommands commands) { commands_ = std::move(commands); }

    // Controls, in creation order.
    QFrame *Rectangle1;
    QPushButton *bt_depart;
    QPushButton *bt_pause;
    QTimer *Timer3;
    LittleArrows *LittleArrows1;
    ListBox *ListBox1;
    QPushButton *intermediaire;
    QLabel *preftexteligne;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QGroupBox *GroupBox1;
    QPushButton *reset;
    QLabel *StaticText4;
    QTimer *heure;
    QLabel *StaticText3;
    QTimer *regarde_date;
    QLabel *StaticText2;
    QLineEdit *Commentaire;
    QGroupBox *GroupBox2;
    QLabel *StaticText1;
    QLabel *Preference_vel_Timer;
    QPushButton *efface_liste;
    QLineEdit *Pour_commentaire_impression;
    // Says, without taking the keyboard, that the list in progress has no copy.
    WarningLine *avertissement_copie;

    // Run engine.
    void bt_depart_Action();
    void Timer3_Action();
    void heure_Action();
    // Shows the date of the moment, and wakes again at the next midnight.
    void regarde_date_Action();
    void bt_pause_Action();
    void reset_Action();
    void RadioButton1_Action();
    void RadioButton2_Action();
    void LittleArrows1_Up();
    void LittleArrows1_Down();

    // Lap list.
    void intermediaire_Action();
    void ListBox1_DoubleClick();
    void ListBox1_CellAction(int row, int column);
    void efface_liste_Action();

    // Menu commands; each answers the menu dispatcher with false.
    void AddMenuHandlers(const MenuItems &items);
    void EnableMenuItems();
    bool AppleAproposdeVelTiming_Action();
    bool FileSauver_Action();
    bool meneditionitempref_Action();
    bool meneditionitemeffacerlaligne_Action();
    bool menfichieritemquitter_Action();
    bool menfichierImprimer_Action();
    bool menfichierMenuouvrir_Action();
    bool EditClear_Action();

signals:
    // The run changed state: started, stopped, paused, resumed, reset, a lap,
    // a mode, an end.
    void runChanged();
    // A setting the preferences keep changed: the preset or the mode.
    void settingsChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectHandlers();
    // Shows a step of the run: its rows, display, heading, selection.
    void apply(const RunStep &step);
    void expire(const QDateTime &at);
    // The reading and the time of day of the input event that caused the
    // handler running now: the press of a key or of the mouse, or now.
    struct Moment {
        double reading;
        QDateTime now;
    };
    Moment moment();
    void pressed(QObject *button, const QInputEvent *event);
    // Hides the alert of a countdown's end and withdraws its notification.
    void dismissAlert();
    void stepPreset(int direction, qint64 step);
    int menuOffset() const;
    static bool run(const std::function<void()> &command);

    LapList laps_;
    ListHistory history_;
    QWidget *content_;
    MenuCommands commands_;
    MenuItems items_{};
    // The press not yet acted on: the button pressed, and when.
    struct Press {
        QObject *button;
        double reading;
    };
    std::optional<Press> press_;
    Anchoring anchoring_{QSize(kLayoutWidth, kLayoutHeight)};
};
