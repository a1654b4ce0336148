// Pause, resume and reset of the main window.
#include "engine/alerte_vel.h"
#include "engine/demande_message_timer.h"
#include "engine/list_box.h"
#include "engine/little_arrows.h"
#include "engine/methodes.h"
#include "engine/run_rows.h"
#include "engine/text_number.h"
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

void Window1::bt_pause_Action()
{
    auto &vg = Variables_globales;
    Platform &platform = Platform::get();
    const QString longTime = DateTexts::longTime(platform.now());
    const bool chronometre = RadioButton1->isChecked();
    if (bt_pause->text().compare(QStringLiteral("Pause"), Qt::CaseInsensitive) == 0) {
        vg.pour_pause = platform.microseconds();
        Timer3->stop();
        ListBox1->addRow(
            (chronometre ? QStringLiteral("Chronomètre mis en pause à ") : QStringLiteral("Timer mis en pause à ")) +
            longTime);
        StaticText2->setText(Methodes::Nouv_calcul_temps());
        bt_pause->setText(QStringLiteral("Reprendre"));
        intermediaire->setEnabled(false);
    } else {
        const double length = platform.microseconds() - vg.pour_pause;
        vg.depart_micro += length;
        vg.pour_pause = length;
        Timer3->start();
        ListBox1->addRow((chronometre ? QStringLiteral("Chronomètre remis en marche à ")
                                      : QStringLiteral("Timer  remis en marche à ")) +
                         longTime);
        bt_pause->setText(QStringLiteral("Pause"));
        intermediaire->setEnabled(true);
    }
    ListBox1->selectRow(ListBox1->rowCount() - 1);
}

void Window1::reset_Action()
{
    auto &vg = Variables_globales;
    const QString longTime = DateTexts::longTime(Platform::get().now());
    if (alerte_vel::exists())
        alerte_vel::instance().hide();
    Demande_message_timer::instance().hide();
    setDefaultButton(reset, false);
    setDefaultButton(bt_depart, true);

    const bool chronometre = RadioButton1->isChecked();
    if (!chronometre) {
        const int preset = TextNumber::wholeValue(Preference_vel_Timer->text());
        StaticText1->setText(QString::number(preset));
        StaticText2->setText(Methodes::regle_timer(preset));
        LittleArrows1->setEnabled(true);
    } else {
        StaticText1->setText(QStringLiteral("0"));
        StaticText2->setText(Methodes::regle_timer(0));
    }

    if (bt_depart->text().compare(QStringLiteral("Stop"), Qt::CaseInsensitive) == 0) {
        // The pause under way, if any, does not count as running time.
        closePauseIfPaused();
        const int row = ListBox1->addRow(QStringLiteral("Décompte initialisé à ") + longTime);
        ListBox1->setCell(row, 1, Methodes::Nouv_calcul_temps());
        if (!chronometre)
            ListBox1->setCell(row, 2, Methodes::Calcule_difference());
        RunRows::closeRun(*ListBox1);
        ++vg.no_de_chrono;
    }

    setDefaultButton(intermediaire, false);
    GroupBox2->setTitle(QStringLiteral("Etiquette pour le temps de départ"));
    Timer3->stop();
    bt_depart->setText(QStringLiteral("Départ"));
    bt_pause->setEnabled(false);
    efface_liste->setEnabled(true);
    bt_pause->setText(QStringLiteral("Pause"));
    intermediaire->setEnabled(false);
    RadioButton1->setEnabled(true);
    RadioButton2->setEnabled(true);
    Commentaire->clear();
}
