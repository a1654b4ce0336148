// Start, stop, the tick, the clock label and the run states of the main window.
#include "engine/alerte_vel.h"
#include "engine/demande_message_timer.h"
#include "engine/list_box.h"
#include "engine/little_arrows.h"
#include "engine/methodes.h"
#include "engine/run_engine.h"
#include "core/text_number.h"
#include "core/time_format.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "core/date_texts.h"
#include "platform/platform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <optional>

namespace {
// Control properties by state; an empty entry leaves the control as it is.
struct StateControls {
    std::optional<const char *> depart;
    bool pauseEnabled;
    const char *pauseCaption;
    bool lapEnabled;
    std::optional<bool> modesEnabled;
    std::optional<bool> arrowsEnabled; // in Chronomètre mode only the idle state touches them
    std::optional<bool> clearEnabled;
    bool ticking;
};

// clang-format off
const StateControls kStates[] = {
    //           depart    pause  caption      lap    modes  arrows clear  tick
    /* Idle */    {"Départ", false, "Pause",     false, true,  true,  true,  false},
    /* Running */ {"Stop",   true,  "Pause",     true,  false, false, false, true},
    /* Paused */  {{},       true,  "Reprendre", false, {},    {},    {},    false},
};
// clang-format on
} // namespace

bool Window1::captionIs(const QPushButton *button, const QString &caption)
{
    return button->text().compare(caption, Qt::CaseInsensitive) == 0;
}

void Window1::enterState(RunState state)
{
    const StateControls &c = kStates[int(state)];
    if (c.depart)
        bt_depart->setText(QString::fromUtf8(*c.depart));
    bt_pause->setEnabled(c.pauseEnabled);
    bt_pause->setText(QString::fromUtf8(c.pauseCaption));
    intermediaire->setEnabled(c.lapEnabled);
    if (c.modesEnabled) {
        RadioButton1->setEnabled(*c.modesEnabled);
        RadioButton2->setEnabled(*c.modesEnabled);
    }
    if (c.arrowsEnabled && (state == RunState::Idle || RadioButton2->isChecked()))
        LittleArrows1->setEnabled(*c.arrowsEnabled);
    if (c.clearEnabled)
        efface_liste->setEnabled(*c.clearEnabled);
    if (c.ticking)
        Timer3->start(RunEngine::kFirstTickMs);
    else
        Timer3->stop();
}

void Window1::dismissAlert()
{
    alerte_vel::hideIfCreated();
    Platform::get().withdrawNotification();
}

void Window1::closeRun()
{
    ListBox1->addRows(RunEngine::closingRows());
    ListBox1->selectLastRow();
}

void Window1::bt_depart_Action()
{
    if (captionIs(bt_depart, QStringLiteral("Départ")))
        start();
    else
        stop();
    dismissAlert();
}

void Window1::start()
{
    auto &vg = Variables_globales;
    Platform &platform = Platform::get();
    const QString longTime = DateTexts::longTime(platform.now());
    const double reading = platform.microseconds();
    const double later = platform.microseconds();
    RunEngine::start(vg, reading, later, TextNumber::value(StaticText1->text()));

    Commentaire->setFocus();
    GroupBox2->setTitle(RunEngine::lapHeading(1));
    setDefaultButton(intermediaire, true);
    setDefaultButton(reset, false);
    setDefaultButton(bt_depart, false);
    enterState(RunState::Running);

    const bool timer = RadioButton2->isChecked();
    const QString comment = Commentaire->text();
    const int preset = TextNumber::wholeValue(Preference_vel_Timer->text());
    ListBox1->addRow(RunEngine::startRow(vg, timer, comment, longTime, preset));
    if (!comment.isEmpty())
        Commentaire->clear();
    // A countdown labelled by a comment keeps the holders and the selection.
    if (timer && comment.isEmpty())
        StaticText1->setText(QString::number(preset));
    if (!timer || comment.isEmpty())
        ListBox1->selectLastRow();
    if (timer && vg.demande_message_ou_pas)
        Demande_message_timer::instance().show();
}

void Window1::stop()
{
    auto &vg = Variables_globales;
    Platform &platform = Platform::get();
    const QString longTime = DateTexts::longTime(platform.now());
    // A pause under way ends here, so its length counts neither as running
    // time nor as time off the countdown.
    closePauseIfPaused();
    const bool timer = !RadioButton1->isChecked();
    const double reading = platform.microseconds();
    const double later = platform.microseconds();
    const RunEngine::Stop result = RunEngine::stop(vg, timer, Commentaire->text(), longTime, reading, later);
    StaticText2->setText(result.display);
    ListBox1->addRow(result.row);
    if (!timer) {
        Commentaire->clear();
        Commentaire->setFocus();
    }
    closeRun();
    setDefaultButton(intermediaire, false);
    setDefaultButton(reset, true);
    enterState(RunState::Idle);
    GroupBox2->setTitle(RunEngine::startHeading());
}

void Window1::closePauseIfPaused()
{
    if (captionIs(bt_pause, QStringLiteral("Reprendre")))
        RunEngine::resume(Variables_globales, Platform::get().microseconds());
}

void Window1::Timer3_Action()
{
    const bool timer = RadioButton2->isChecked();
    const double reading = Platform::get().microseconds();
    const RunEngine::Tick tick = RunEngine::tick(Variables_globales, timer, reading);
    if (tick.expired) {
        expire();
        return;
    }
    if (tick.text != StaticText2->text())
        StaticText2->setText(tick.text);
    Timer3->start(RunEngine::nextTickDelay(Variables_globales, timer, reading));
}

void Window1::expire()
{
    Platform &platform = Platform::get();
    const QString longTime = DateTexts::longTime(platform.now());
    Timer3->stop();
    StaticText2->setText(Methodes::regle_timer(0));
    for (int i = 0; i < 3; ++i)
        platform.beep();
    // The default button and the heading stay as the run left them.
    enterState(RunState::Idle);

    alerte_vel &alert = alerte_vel::instance();
    alert.StaticText1->setText(Variables_globales.pref_texte_timer);
    Demande_message_timer::instance().hide();
    alert.show();
    // Seen where the alert may not be: on another workspace, over a full-screen window.
    platform.notify(QStringLiteral("Vel Timing"), Variables_globales.pref_texte_timer);

    ListBox1->addRow(RunEngine::expiryRow(Variables_globales, longTime));
    closeRun();
}

void Window1::heure_Action()
{
    const QDateTime now = Platform::get().now();
    StaticText4->setText(DateTexts::longTime(now));
    heure->start(RunEngine::nextClockDelay(now.time()));
}
