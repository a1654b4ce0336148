// The main window's run: its buttons call the timekeeper, and it shows what
// comes back, the tick, the clock and the date.
#include "core/date_texts.h"
#include "core/press_time.h"
#include "core/program.h"
#include "core/settings.h"
#include "core/timekeeper.h"
#include "platform/platform.h"
#include "timing/alert_message_dialog.h"
#include "timing/alert_window.h"
#include "timing/main_window.h"
#include "widgets/lap_list_view.h"
#include "widgets/preset_arrows.h"
#include "widgets/warning_line.h"

#include <QGroupBox>
#include <QInputEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

void MainWindow::onStartStop()
{
    const Moment at = moment();
    timekeeper_.startOrStop(at.reading, at.now, commentField_->text());
}

void MainWindow::onPauseResume()
{
    const Moment at = moment();
    timekeeper_.pauseOrResume(at.reading, at.now);
}

void MainWindow::onReset()
{
    const Moment at = moment();
    timekeeper_.reset(at.reading, at.now);
}

void MainWindow::onLap()
{
    timekeeper_.lap(moment().reading, commentField_->text());
}

void MainWindow::pressLapKey(double reading)
{
    timekeeper_.pressLapKey(reading, timeOfDay(reading), commentField_->text());
}

void MainWindow::onPresetStep(int direction, qint64 seconds)
{
    timekeeper_.stepPreset(direction, seconds);
}

void MainWindow::onTick()
{
    const double reading = platform_.microseconds();
    const Run::Tick tick = timekeeper_.tick(reading);
    if (tick.expired) {
        timekeeper_.expire(platform_.now());
        return;
    }
    if (tick.display != timeDisplay_->text()) {
        timeDisplay_->setText(tick.display);
        emit displayChanged(tick.display);
        platform_.showProgress(timekeeper_.run().progress(reading));
    }
    tickTimer_->start(tick.nextDelayMs);
}

void MainWindow::onClock()
{
    const QDateTime now = platform_.now();
    clockLabel_->setText(DateTexts::longTime(now));
    clockTimer_->start(DateTexts::nextSecondDelay(now.time()));
}

void MainWindow::onDate()
{
    const QDateTime now = platform_.now();
    dateLabel_->setText(DateTexts::longDate(now));
    dateTimer_->start(int(DateTexts::nextDayDelay(now)));
}

void MainWindow::showOutcome(const Outcome &outcome)
{
    if (!outcome.display.isEmpty()) {
        timeDisplay_->setText(outcome.display);
        emit displayChanged(outcome.display);
    }
    if (!outcome.heading.isEmpty())
        commentBox_->setTitle(outcome.heading);
    if (outcome.clearComment)
        commentField_->setText(QString()); // and forgets its typing, so Ctrl+Z goes to the list
    if (outcome.selectLastRow)
        lapView_->selectLastRow();
    if (outcome.returnButton)
        setReturnButton(*outcome.returnButton == ReturnButton::Start ? startButton_
                        : *outcome.returnButton == ReturnButton::Lap ? lapButton_
                                                                     : resetButton_);
    if (outcome.dismissAlert) {
        if (alert_)
            alert_->hide();
        platform_.withdrawNotification(Platform::Notice::CountdownEnd);
    }
    if (outcome.closeAlertQuestion && alertQuestion_)
        alertQuestion_->hide();
    showRun();
    if (outcome.askAlertMessage)
        askAlertMessage();
    if (const std::optional<CountdownEnd> &end = outcome.countdownEnd) {
        for (int i = 0; i < end->beeps; ++i)
            platform_.beep();
        if (!alert_)
            alert_ = std::make_unique<AlertWindow>();
        const QList<QRect> screens = platform_.screens();
        alert_->showMessage(end->message, screens.isEmpty() ? QSize(1024, 768) : screens.first().size());
        // Seen where the alert may not be: on another workspace, over a full-screen window.
        platform_.notify(Platform::Notice::CountdownEnd, Program::title(), end->message);
    }
    if (!outcome.refusal.isEmpty()) {
        timeDisplay_->repaint(); // the limit shows while the message waits
        platform_.beep();
        platform_.messageBox(outcome.refusal);
    }
}

void MainWindow::showRun()
{
    const Run &run = timekeeper_.run();
    const RunState state = run.state();
    const bool idle = state == RunState::Idle;
    startButton_->setText(idle ? QStringLiteral("Départ") : QStringLiteral("Stop"));
    pauseButton_->setEnabled(!idle);
    pauseButton_->setText(state == RunState::Paused ? QStringLiteral("Reprendre") : QStringLiteral("Pause"));
    lapButton_->setEnabled(state == RunState::Running);
    chronometerMode_->setChecked(!run.timer());
    timerMode_->setChecked(run.timer());
    chronometerMode_->setEnabled(idle);
    timerMode_->setEnabled(idle);
    presetArrows_->setVisible(run.timer());
    presetArrows_->setEnabled(idle || !run.timer()); // hidden in Chronomètre mode
    clearButton_->setEnabled(idle);
    platform_.showProgress(run.progress(platform_.microseconds()));
    if (state != RunState::Running)
        tickTimer_->stop();
    else if (!tickTimer_->isActive())
        tickTimer_->start(Run::kFirstTickMs);
}

void MainWindow::askAlertMessage()
{
    // The countdown runs while the question waits; its answer becomes the message.
    if (!alertQuestion_) {
        alertQuestion_ = new AlertMessageDialog(timekeeper_.settings().values().alertMessage, this);
        connect(alertQuestion_, &AlertMessageDialog::chosen, this, [this](const QString &message) {
            Preferences values = timekeeper_.settings().values();
            values.alertMessage = message;
            timekeeper_.settings().set(values);
        });
    }
    alertQuestion_->show();
}

void MainWindow::showCopyProblem(const QString &problem)
{
    if (problem.isEmpty())
        platform_.withdrawNotification(Platform::Notice::UnprotectedList);
    else if (copyWarning_->message().isEmpty()) // once, as the problem comes
        platform_.notify(Platform::Notice::UnprotectedList, Program::title(), problem);
    copyWarning_->setMessage(problem);
}

void MainWindow::setReturnButton(QPushButton *button)
{
    for (QPushButton *each : {startButton_, lapButton_, resetButton_})
        each->setDefault(each == button);
}

QPushButton *MainWindow::returnButton() const
{
    for (QPushButton *button : {startButton_, lapButton_, resetButton_})
        if (button->isDefault())
            return button;
    return nullptr;
}

void MainWindow::pressed(QObject *button, const QInputEvent *event)
{
    press_ = Press{button,
                   PressTime::reading(platform_.microseconds(), platform_.monotonicMilliseconds(), event->timestamp())};
}

MainWindow::Moment MainWindow::moment()
{
    const double now = platform_.microseconds();
    // Only the press of the button whose click runs the handler, and only one
    // recent enough to be believed.
    const double reading =
        press_ && press_->button == sender() && now - press_->reading <= PressTime::kBelievableMs * 1000.0
            ? press_->reading
            : now;
    press_.reset();
    return {reading, timeOfDay(reading)};
}

QDateTime MainWindow::timeOfDay(double reading)
{
    return platform_.now().addMSecs(-qint64((platform_.microseconds() - reading) / 1000.0));
}
