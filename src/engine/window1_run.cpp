// Start, stop, the tick and the clock label of the main window.
#include "engine/alerte_vel.h"
#include "engine/demande_message_timer.h"
#include "engine/list_box.h"
#include "engine/little_arrows.h"
#include "engine/methodes.h"
#include "engine/run_rows.h"
#include "engine/text_number.h"
#include "engine/time_format.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "platform/date_texts.h"
#include "platform/platform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {
bool captionIs(const QPushButton *button, const QString &caption)
{
    return button->text().compare(caption, Qt::CaseInsensitive) == 0;
}
} // namespace

void Window1::bt_depart_Action()
{
    if (captionIs(bt_depart, QStringLiteral("Départ")))
        start();
    else
        stop();
    if (alerte_vel::exists())
        alerte_vel::instance().hide();
}

void Window1::start()
{
    auto &vg = Variables_globales;
    Platform &platform = Platform::get();
    const QString longTime = DateTexts::longTime(platform.now());
    const double reading = platform.microseconds();
    vg.no_de_intermediaire = 1;
    vg.depart_micro = reading;
    vg.temps_precedent = reading;
    vg.Temps_nouveau = reading;

    efface_liste->setEnabled(false);
    vg.depart_timer = TextNumber::value(StaticText1->text());
    vg.temps_timer = vg.depart_timer - (platform.microseconds() - vg.depart_micro) / 1000000.0;

    Commentaire->setFocus();
    GroupBox2->setTitle(QStringLiteral("Etiquette pour le temps intermédiaire  1"));
    setDefaultButton(intermediaire, true);
    setDefaultButton(reset, false);
    Timer3->start();
    bt_depart->setText(QStringLiteral("Stop"));
    bt_pause->setEnabled(true);
    bt_pause->setText(QStringLiteral("Pause"));
    setDefaultButton(bt_depart, false);
    intermediaire->setEnabled(true);
    RadioButton1->setEnabled(false);
    RadioButton2->setEnabled(false);

    const QString run = QString::number(vg.no_de_chrono);
    const QString comment = Commentaire->text();
    if (RadioButton2->isChecked()) {
        LittleArrows1->setEnabled(false);
        if (comment.isEmpty()) {
            const int preset = TextNumber::wholeValue(Preference_vel_Timer->text());
            StaticText1->setText(QString::number(preset));
            const int row = ListBox1->addRow(QStringLiteral("Temps de départ ") + run + QLatin1Char(':'));
            ListBox1->setCell(row, 1, Methodes::regle_timer(preset));
            ListBox1->selectRow(ListBox1->rowCount() - 1);
        } else {
            ListBox1->addRow(run + QStringLiteral(": ") + comment);
            Commentaire->clear();
        }
        ++vg.no_de_chrono;
        if (vg.demande_message_ou_pas)
            Demande_message_timer::instance().show();
    } else {
        if (comment.isEmpty()) {
            ListBox1->addRow(QStringLiteral("Chronomètre ") + run + QStringLiteral(", départ à:") + QLatin1Char(' ') +
                             longTime);
        } else {
            ListBox1->addRow(run + QStringLiteral(": ") + comment);
            Commentaire->clear();
        }
        ListBox1->setCell(ListBox1->lastIndex(), 1, QStringLiteral("0:00:00:00"));
        ListBox1->selectRow(ListBox1->rowCount() - 1);
    }
}

void Window1::stop()
{
    auto &vg = Variables_globales;
    const QString longTime = DateTexts::longTime(Platform::get().now());
    // A pause under way ends here, so its length counts neither as running
    // time nor as time off the countdown.
    closePauseIfPaused();
    bt_depart->setText(QStringLiteral("Départ"));
    efface_liste->setEnabled(true);

    if (RadioButton1->isChecked()) {
        StaticText2->setText(Methodes::Nouv_calcul_temps());
        const QString comment = Commentaire->text();
        if (comment.isEmpty()) {
            ListBox1->addRow(QStringLiteral("Chronomètre ") + QString::number(vg.no_de_chrono) +
                             QStringLiteral(", temps final:"));
        } else {
            ListBox1->addRow(QString::number(vg.no_de_chrono) + QStringLiteral(": ") + comment);
            Commentaire->clear();
        }
        Commentaire->setFocus();
        ++vg.no_de_chrono;
        const int row = ListBox1->lastIndex();
        ListBox1->setCell(row, 1, Methodes::Nouv_calcul_temps());
        ListBox1->setCell(row, 2, Methodes::Calcule_difference());
        RunRows::closeRun(*ListBox1);
        setDefaultButton(intermediaire, false);
        setDefaultButton(reset, true);
        Timer3->stop();
    } else {
        setDefaultButton(intermediaire, false);
        setDefaultButton(reset, true);
        StaticText2->setText(Methodes::Nouv_calcul_temps());
        Timer3->stop();
        const int row = ListBox1->addRow(QStringLiteral("Timer stoppé à ") + longTime);
        ListBox1->setCell(row, 1, Methodes::Nouv_calcul_temps());
        RunRows::closeRun(*ListBox1);
    }

    RadioButton1->setEnabled(true);
    RadioButton2->setEnabled(true);
    bt_pause->setEnabled(false);
    bt_pause->setText(QStringLiteral("Pause"));
    intermediaire->setEnabled(false);
    LittleArrows1->setEnabled(true);
    GroupBox2->setTitle(QStringLiteral("Etiquette pour le temps de départ"));
}

void Window1::closePauseIfPaused()
{
    if (!captionIs(bt_pause, QStringLiteral("Reprendre")))
        return;
    auto &vg = Variables_globales;
    const double length = Platform::get().microseconds() - vg.pour_pause;
    vg.depart_micro += length;
    vg.pour_pause = length;
}

void Window1::Timer3_Action()
{
    auto &vg = Variables_globales;
    Platform &platform = Platform::get();
    if (RadioButton1->isChecked()) {
        const double elapsed = (platform.microseconds() - vg.depart_micro) / 1000000.0;
        const QString text = TimeFormat::presetTime(elapsed);
        if (text != StaticText2->text())
            StaticText2->setText(text);
        return;
    }
    if (vg.temps_timer > 1.0) {
        const double remaining = vg.depart_timer - (platform.microseconds() - vg.depart_micro) / 1000000.0;
        // A late tick that finds the countdown over ends it now rather than
        // showing a negative time.
        if (remaining > 0) {
            vg.temps_timer = remaining;
            const QString text = TimeFormat::presetTime(remaining);
            if (text != StaticText2->text())
                StaticText2->setText(text);
            return;
        }
    }
    expire();
}

void Window1::expire()
{
    auto &vg = Variables_globales;
    Platform &platform = Platform::get();
    const QString longTime = DateTexts::longTime(platform.now());
    Timer3->stop();
    StaticText2->setText(Methodes::regle_timer(0));
    for (int i = 0; i < 3; ++i)
        platform.beep();
    bt_depart->setText(QStringLiteral("Départ"));
    RadioButton1->setEnabled(true);
    RadioButton2->setEnabled(true);
    LittleArrows1->setEnabled(true);
    bt_pause->setEnabled(false);
    efface_liste->setEnabled(true);
    bt_pause->setText(QStringLiteral("Pause"));
    intermediaire->setEnabled(false);

    alerte_vel &alert = alerte_vel::instance();
    alert.StaticText1->setText(vg.pref_texte_timer);
    Demande_message_timer::instance().hide();
    alert.show();

    ListBox1->addRow(QStringLiteral("Timer ") + QString::number(vg.no_de_chrono) + QStringLiteral(", temps écoulé à ") +
                     QLatin1Char(' ') + longTime);
    RunRows::closeRun(*ListBox1);
}

void Window1::heure_Action()
{
    StaticText4->setText(DateTexts::longTime(Platform::get().now()));
}
