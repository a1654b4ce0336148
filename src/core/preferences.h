#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// The settings kept between runs in the preferences file, with the rules by
// which the file's eleven records are read and written.
struct Preferences {
    std::int32_t left = 20;
    std::int32_t top = 50;
    std::int32_t hauteur = 357;
    std::int32_t largeur = 520;
    bool demandeMessage = false;
    bool voirEcarts = true;
    bool prefTips = true;
    QString texteTimer = QStringLiteral("Temps écoulé!");
    QString preset = QStringLiteral("300"); // within the preset's limits
    bool chronometre = true;
    QString lapLabel = QStringLiteral("Temps intermédiaire ");

    static const QString kFileName;

    static Preferences decode(const QByteArray &data);
    QByteArray encode() const;
};
