#pragma once

#include <QString>
#include <cstdint>

// The process-wide state of the program: clock readings of the current run,
// counters, mode, settings and the main window's frame.
struct VariablesGlobales {
    double depart_micro = 0;    // µs reading taken as the run's start, moved by resumes
    double temps_precedent = 0; // µs reading the next difference is measured from
    double Temps_nouveau = 0;   // µs reading of the latest Nouv_calcul_temps
    std::int32_t no_de_intermediaire = 1;
    double depart_timer = 0; // countdown preset of the current run, seconds
    double temps_timer = 0;  // remaining seconds found by the last tick
    std::int32_t no_de_chrono = 1;
    bool demande_message_ou_pas = false;
    double pour_pause = 0; // µs reading at the pause, then the pause's length
    QString pref_texte_timer;
    bool mode_timer = false;
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
