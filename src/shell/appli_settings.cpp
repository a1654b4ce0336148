// The settings restore of start-up and the settings written at quit.
#include "engine/little_arrows.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "platform/platform.h"
#include "shell/appli.h"
#include "shell/methodes_help_tags.h"
#include "shell/pref_interm.h"
#include "shell/preferences_file.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

void appli::restoreSettings()
{
    if (const std::optional<Preferences> stored = PreferencesFile::load(Platform::get().preferencesFolder()))
        applyStoredSettings(*stored);
    else
        applyDefaultSettings();
}

void appli::applyDefaultSettings()
{
    Window1 &w = Window1::instance();
    const Preferences defaults;
    w.setContentFrame(defaults.left, defaults.top, defaults.hauteur, defaults.largeur);
    applyPreset(defaults);
    applySwitches(defaults);
}

void appli::applyStoredSettings(const Preferences &stored)
{
    auto &vg = Variables_globales;
    Window1 &w = Window1::instance();
    vg.coord_win1_left = stored.left;
    vg.coord_win1_top = stored.top;
    vg.coord_win1_hauteur = stored.hauteur;
    vg.coord_win1_largeur = stored.largeur;
    // A window stored beyond the screen comes back near its far corner.
    const QSize screen = Platform::get().screenSize();
    if (screen.height() < vg.coord_win1_top || screen.width() < vg.coord_win1_left) {
        vg.coord_win1_top = screen.height() - 200;
        vg.coord_win1_left = screen.width() - 200;
    }
    w.setContentFrame(vg.coord_win1_left, vg.coord_win1_top, vg.coord_win1_hauteur, vg.coord_win1_largeur);

    applySwitches(stored);
    w.setDifferenceColumnShown(stored.voirEcarts);
    if (stored.prefTips)
        Methodes::active_helptags();
    else
        Methodes::desactive_helptags();
    applyPreset(stored);
    vg.mode_timer = !stored.chronometre;
    w.preftexteligne->setText(stored.lapLabel);
}

void appli::applySwitches(const Preferences &settings)
{
    auto &vg = Variables_globales;
    pref_interm &prefs = pref_interm::instance();
    prefs.hide();
    vg.demande_message_ou_pas = settings.demandeMessage;
    prefs.CheckBox1->setChecked(settings.demandeMessage);
    vg.voir_ecarts = settings.voirEcarts;
    prefs.CheckBox2->setChecked(settings.voirEcarts);
    vg.pref_tips = settings.prefTips;
    prefs.CheckBox3->setChecked(settings.prefTips);
    vg.pref_texte_timer = settings.texteTimer;
}

void appli::applyPreset(const Preferences &settings)
{
    Window1 &w = Window1::instance();
    w.Preference_vel_Timer->setText(settings.preset);
    w.StaticText1->setText(settings.preset);
    w.RadioButton1->setChecked(settings.chronometre);
    w.RadioButton2->setChecked(!settings.chronometre);
    w.LittleArrows1->setVisible(!settings.chronometre);
}

Preferences appli::currentSettings()
{
    auto &vg = Variables_globales;
    const Window1 &w = Window1::instance();
    const QRect frame = w.contentFrame();

    Preferences settings;
    settings.left = frame.left();
    settings.top = frame.top();
    settings.hauteur = frame.height();
    settings.largeur = frame.width();
    settings.demandeMessage = vg.demande_message_ou_pas;
    settings.voirEcarts = vg.voir_ecarts;
    settings.prefTips = vg.pref_tips;
    settings.texteTimer = vg.pref_texte_timer;
    settings.preset = w.Preference_vel_Timer->text();
    settings.chronometre = w.RadioButton1->isChecked();
    settings.lapLabel = w.preftexteligne->text();
    return settings;
}
