#pragma once

#include "timing/list_history.h"
#include "widgets/anchoring.h"
#include "widgets/help_tag.h"

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class AlertMessageDialog;
class AlertWindow;
class LapListView;
class Platform;
class PresetArrows;
class QFrame;
class QGroupBox;
class QInputEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class Timekeeper;
class WarningLine;
struct Outcome;

// The program's one document window: the time display, the run buttons, the
// mode, the preset arrows, the comment field and the lap list. Each control
// calls the timekeeper's command, and the window shows what comes back, from
// its own controls or any other way in. Controls keep their layout names as
// object names; docs/controls.md tells which member holds each.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Timekeeper &timekeeper, Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Layout size of the content area, below the menu bar, and its least size.
    static constexpr QSize kLayoutSize{520, 383};
    static constexpr QSize kMinimumSize{420, 357};

    // The content area's frame, in screen coordinates; a maximized window's
    // is the one it has when not maximized.
    QRect contentFrame() const;
    void setContentFrame(const QRect &frame);
    // What the window has around its content: the title bar and the menu bar
    // above, the borders. Until the window manager has framed the window, a
    // title bar of a common height stands for its own.
    QMargins aroundContent() const;

    // The controls whose help tags the preferences switch, with their texts.
    QList<HelpTag> helpTags() const;
    // The list's changes that Annuler takes back.
    ListHistory &history() { return history_; }

    // The Edition menu's commands on the list: they tell when there is nothing to do.
    void removeSelectedRow();
    void clearList();
    // Cut, copy or paste in the control that has the keyboard, where it can.
    enum class Edit { Cut, Copy, Paste };
    void edit(Edit edit);
    // Why the copy of the list in progress cannot be written, in a line of
    // the window and a desktop notification; empty once it can again.
    void showCopyProblem(const QString &problem);
    // Brings the window to the front, as a second start asks.
    void bringToFront();
    // The run buttons' commands, also for the tray's menu; a command given
    // no press is the moment it runs.
    void onStartStop();
    void onPauseResume();
    void onLap();
    // The key that takes a lap from anywhere, pressed at a reading.
    void pressLapKey(double reading);

signals:
    // The window's close box: the quit command decides.
    void closeRequested();
    // The display shows a new text.
    void displayChanged(const QString &display);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectControls();
    // What a command returned, and the run as it stands.
    void showOutcome(const Outcome &outcome);
    void showRun();
    void showSettings();
    void onReset();
    void onTick();
    void onClock();
    void onDate();
    void onPresetStep(int direction, qint64 seconds);
    void askAlertMessage();
    void setReturnButton(QPushButton *button);
    QPushButton *returnButton() const;
    // The reading and the time of day of the input event that caused the
    // handler running now: the press of a key or of the mouse, or now.
    struct Moment {
        double reading;
        QDateTime now;
    };
    Moment moment();
    QDateTime timeOfDay(double reading);
    void pressed(QObject *button, const QInputEvent *event);
    int menuOffset() const;

    Timekeeper &timekeeper_;
    Platform &platform_;
    ListHistory history_;
    QWidget *content_;
    Anchoring anchoring_{kLayoutSize};

    QFrame *displayFrame_;
    QPushButton *startButton_;
    QPushButton *pauseButton_;
    QTimer *tickTimer_;
    PresetArrows *presetArrows_;
    LapListView *lapView_;
    QPushButton *lapButton_;
    QRadioButton *chronometerMode_;
    QRadioButton *timerMode_;
    QGroupBox *modeBox_;
    QPushButton *resetButton_;
    QLabel *clockLabel_;
    QTimer *clockTimer_;
    QLabel *dateLabel_;
    QTimer *dateTimer_;
    QLabel *timeDisplay_;
    QLineEdit *commentField_;
    QGroupBox *commentBox_;
    QPushButton *clearButton_;
    WarningLine *copyWarning_;
    // Made when a countdown first ends, or first asks for its message.
    std::unique_ptr<AlertWindow> alert_;
    QPointer<AlertMessageDialog> alertQuestion_;

    // The press not yet acted on: the button pressed, and when.
    struct Press {
        QObject *button;
        double reading;
    };
    std::optional<Press> press_;
};
