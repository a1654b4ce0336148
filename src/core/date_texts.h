#pragma once

#include <QDateTime>
#include <QString>

// French date and time texts, whatever the system locale.
namespace DateTexts {
QString longDate(const QDateTime &moment);  // "dimanche 6 décembre 2026"
QString shortDate(const QDateTime &moment); // "06/12/2026"
QString longTime(const QDateTime &moment);  // "14:02:11"
QString shortTime(const QDateTime &moment); // "14:02"
// Milliseconds from `moment` to just after the next whole second of the day,
// when the clock's text next changes.
int nextSecondDelay(const QTime &moment);
// Milliseconds from `moment` to just after the next midnight, when the
// date's text next changes.
qint64 nextDayDelay(const QDateTime &moment);
} // namespace DateTexts
