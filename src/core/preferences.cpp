#include "core/preferences.h"

#include "core/preference_records.h"
#include "core/text_number.h"

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
    p.height = number(r[2]);
    p.width = number(r[3]);
    p.askMessage = r[4] == "1";
    p.showDifferences = r[5] == "1";
    p.showHelpTags = r[6] == "1";
    p.alertMessage = QString::fromUtf8(r[7]);
    p.preset = TimerPreset::sane(QString::fromUtf8(r[8]));
    p.timerMode = r[9] != "1";
    p.lapLabel = r[10].isEmpty() ? QStringLiteral("Intermédiaire") : QString::fromUtf8(r[10]);
    return p;
}

QByteArray Preferences::encode() const
{
    return PreferenceRecords::write({
        QByteArray::number(left),
        QByteArray::number(top),
        QByteArray::number(height),
        QByteArray::number(width),
        flag(askMessage),
        flag(showDifferences),
        flag(showHelpTags),
        alertMessage.toUtf8(),
        QByteArray::number(preset),
        timerMode ? QByteArrayLiteral("2") : QByteArrayLiteral("1"),
        lapLabel.toUtf8(),
    });
}
