#pragma once

#include "core/run.h"

#include <QString>
#include <cstdint>

// The process-wide state of the program: the run (its readings, numbers, mode
// and preset), the settings, the number of the next document's name, the
// current comment and the main window's frame.
struct VariablesGlobales {
    Run run;
    bool demande_message_ou_pas = false;
    QString pref_texte_timer;
    std::int32_t no_sauvetage = 1;
    QString Commentaire_encours;
    bool voir_ecarts = true;
    bool pref_tips = true;
    std::int32_t coord_win1_top = 0;
    std::int32_t coord_win1_left = 0;
    std::int32_t coord_win1_hauteur = 0;
    std::int32_t coord_win1_largeur = 0;
};

inline VariablesGlobales Variables_globales;
