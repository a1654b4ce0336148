#include "core/date_texts.h"

#include <QLocale>

namespace {
const QLocale &french()
{
    static const QLocale locale(QLocale::French, QLocale::France);
    return locale;
}
} // namespace

namespace DateTexts {
QString longDate(const QDateTime &moment)
{
    return french().toString(moment.date(), QStringLiteral("dddd d MMMM yyyy"));
}

QString shortDate(const QDateTime &moment)
{
    return moment.date().toString(QStringLiteral("dd/MM/yyyy"));
}

QString longTime(const QDateTime &moment)
{
    return moment.time().toString(QStringLiteral("HH:mm:ss"));
}

QString shortTime(const QDateTime &moment)
{
    return moment.time().toString(QStringLiteral("HH:mm"));
}
int nextSecondDelay(const QTime &moment)
{
    return 1000 - moment.msec() + 1;
}

qint64 nextDayDelay(const QDateTime &moment)
{
    // A day may be 23 or 25 hours long where the clock changes.
    return moment.msecsTo(QDateTime(moment.date().addDays(1), QTime(0, 0), moment.timeSpec())) + 1;
}
} // namespace DateTexts
