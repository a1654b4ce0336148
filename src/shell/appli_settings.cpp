// The settings restore of start-up and the settings written at quit.
#include "core/frame_correction.h"
#include "core/text_number.h"
#include "core/variables_globales.h"
#include "main_window/window1.h"
#include "platform/platform.h"
#include "shell/appli.h"
#include "shell/methodes_help_tags.h"
#include "shell/pref_interm.h"
#include "shell/preferences_file.h"
#include "widgets/little_arrows.h"

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
    const Preferences defaults;
    placeWindow(defaults);
    applyPreset(defaults);
    applySwitches(defaults);
}

void appli::placeWindow(const Preferences &settings)
{
    auto &vg = Variables_globales;
    Window1 &w = Window1::instance();
    stored_ = settings;
    const QRect frame = FrameCorrection::onScreen(settings.left, settings.top, settings.hauteur, settings.largeur,
                                                  Platform::get().screens(), w.aroundContent(),
                                                  QSize(Window1::kMinimumWidth, Window1::kMinimumHeight));
    vg.coord_win1_left = frame.left();
    vg.coord_win1_top = frame.top();
    vg.coord_win1_hauteur = frame.height();
    vg.coord_win1_largeur = frame.width();
    w.setContentFrame(frame.left(), frame.top(), frame.height(), frame.width());
    placed_ = w.contentFrame();
    if (PreferencesFile::maximized(Platform::get().preferencesFolder()))
        w.setWindowState(w.windowState() | Qt::WindowMaximized);
}

void appli::applyStoredSettings(const Preferences &stored)
{
    Window1 &w = Window1::instance();
    placeWindow(stored);
    applySwitches(stored);
    w.setDifferenceColumnShown(stored.voirEcarts);
    Methodes::show_helptags(stored.prefTips);
    applyPreset(stored);
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
    // A countdown shows what it will count down from.
    w.StaticText2->setText(Variables_globales.run.restore(settings.chronometre ? RunMode::Chronometre : RunMode::Timer,
                                                          TextNumber::wholeValue(settings.preset)));
}

Preferences appli::currentSettings()
{
    auto &vg = Variables_globales;
    const Window1 &w = Window1::instance();
    const QRect frame = w.contentFrame();

    Preferences settings;
    // Where the window's place cannot be known, the one read stays.
    const bool known = Platform::get().windowPositionKnown();
    settings.left = known ? frame.left() : stored_.left;
    settings.top = known ? frame.top() : stored_.top;
    settings.hauteur = frame.height();
    settings.largeur = frame.width();
    settings.demandeMessage = vg.demande_message_ou_pas;
    settings.voirEcarts = vg.voir_ecarts;
    settings.prefTips = vg.pref_tips;
    settings.texteTimer = vg.pref_texte_timer;
    settings.preset = QString::number(vg.run.rememberedPreset());
    settings.chronometre = !vg.run.timer();
    settings.lapLabel = w.preftexteligne->text();
    return settings;
}
