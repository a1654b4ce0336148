#include "core/preferences.h"

#include "core/preference_records.h"
#include "core/text_number.h"
#include "core/timer_preset.h"

const QString Preferences::kFileName = QStringLiteral("Pref Vel Timing");
const QString Preferences::kLapLabel = QStringLiteral("Temps intermédiaire ");
const QString Preferences::kAlertMessage = QStringLiteral("Temps écoulé!");

namespace {
constexpr int kRecordCount = 11;

QByteArray flag(bool value)
{
    return value ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
}

std::int32_t number(const QByteArray &record)
{
    return TextNumber::wholeValue(QString::fromLatin1(record));
}
} // namespace

Preferences Preferences::decode(const QByteArray &data)
{
    const QList<QByteArray> r = PreferenceRecords::read(data, kRecordCount);
    Preferences p;
    p.left = number(r[0]);
    p.top = number(r[1]);
    p.hauteur = number(r[2]);
    p.largeur = number(r[3]);
    p.demandeMessage = r[4] == "1";
    p.voirEcarts = r[5] == "1";
    p.prefTips = r[6] == "1";
    p.texteTimer = QString::fromUtf8(r[7]);
    p.preset = TimerPreset::sane(QString::fromUtf8(r[8]));
    p.chronometre = r[9] == "1";
    p.lapLabel = r[10].isEmpty() ? QStringLiteral("Intermédiaire") : QString::fromUtf8(r[10]);
    return p;
}

QByteArray Preferences::encode() const
{
    return PreferenceRecords::write({
        QByteArray::number(left),
        QByteArray::number(top),
        QByteArray::number(hauteur),
        QByteArray::number(largeur),
        flag(demandeMessage),
        flag(voirEcarts),
        flag(prefTips),
        texteTimer.toUtf8(),
        preset.toUtf8(),
        chronometre ? QByteArrayLiteral("1") : QByteArrayLiteral("2"),
        lapLabel.toUtf8(),
    });
}
