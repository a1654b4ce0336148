#pragma once

#include "engine/anchoring.h"
#include "engine/help_tag.h"
#include "engine/single_instance.h"

#include <QHash>
#include <QList>
#include <QMainWindow>

#include <functional>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class LittleArrows;
class ListBox;
struct ListRow;

// The run's three states; each sets the run controls as one table says.
enum class RunState { Idle, Running, Paused };

// The program's one document window: the time display, the run buttons, the
// mode, the preset arrows, the comment field and the lap list. Its controls
// keep their layout names, and every control and menu handler lives here.
class Window1 : public QMainWindow, public SingleInstance<Window1> {
    Q_OBJECT
public:
    Window1();
    ~Window1() override;

    // Layout size of the content area, below the menu bar.
    static constexpr int kLayoutWidth = 520;
    static constexpr int kLayoutHeight = 383;

    // The content area's frame, in screen coordinates.
    QRect contentFrame() const;
    void setContentFrame(int left, int top, int height, int width);

    // Return and Enter press the current default button (see keyPressEvent).
    void setDefaultButton(QPushButton *button, bool isDefault);
    QPushButton *defaultButton() const;

    // The controls whose help tags the preferences switch, with their texts.
    QList<HelpTag> helpTags() const;
    // Difference column shown at "50%,25%,25%" or hidden at "75%,25%,0%".
    void setDifferenceColumnShown(bool shown);

    // Captions are compared ignoring letter case.
    static bool captionIs(const QPushButton *button, const QString &caption);
    // Run controls as the state's table row says.
    void enterState(RunState state);

    // The list and document commands live above the engine, which registers
    // their handlers here under the control's or menu item's name.
    void setHandler(const QString &name, std::function<void()> handler);

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

    // Run engine.
    void bt_depart_Action();
    void Timer3_Action();
    void heure_Action();
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
    void AddMenuHandlers();
    void EnableMenuItems();
    bool AppleAproposdeVelTiming_Action();
    bool FileSauver_Action();
    bool meneditionitempref_Action();
    bool meneditionitemeffacerlaligne_Action();
    bool menfichieritemquitter_Action();
    bool menfichierImprimer_Action();
    bool menfichierMenuouvrir_Action();
    bool EditClear_Action();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectHandlers();
    void start();
    void stop();
    void expire();
    // Hides the alert of a countdown's end and withdraws its notification.
    void dismissAlert();
    void closePauseIfPaused();
    void closeRun();
    void stepPreset(int direction);
    int menuOffset() const;
    bool dispatch(const QString &name);

    QWidget *content_;
    QHash<QString, std::function<void()>> handlers_;
    Anchoring anchoring_{QSize(kLayoutWidth, kLayoutHeight)};
};
