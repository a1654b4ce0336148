#include "core/remote_control.h"

#include "core/press_time.h"
#include "core/timekeeper.h"
#include "core/timer_preset.h"

#include <QJsonArray>

#include <algorithm>

using RemoteProtocol::Operation;

RemoteControl::RemoteControl(Timekeeper &timekeeper, QObject *parent) : QObject(parent), timekeeper_(timekeeper) {}

QByteArray RemoteControl::answer(const QByteArray &line, const Here &here)
{
    const std::variant<RemoteProtocol::Request, QString> read = RemoteProtocol::decode(line);
    if (const QString *problem = std::get_if<QString>(&read))
        return RemoteProtocol::encode(RemoteProtocol::Answer{false, *problem, {}});
    const RemoteProtocol::Request &request = std::get<RemoteProtocol::Request>(read);
    double reading = PressTime::requestReading(here.reading, here.boot, request.boot, request.clock);
    // Requests read out of their order must not put a row before the one above it.
    if (timekeeper_.run().state() != RunState::Idle)
        reading = std::max(reading, timekeeper_.run().latestReading());
    RemoteProtocol::Answer answer;
    if (here.busy && request.operation != Operation::Status && request.operation != Operation::Show)
        answer.refusal = QStringLiteral("VelTiming attend une réponse dans sa fenêtre.");
    else
        answer = carryOut(request, reading, here.now);
    answer.status = status(reading);
    answer.status.insert(QStringLiteral("clock"), double(request.clock));
    return RemoteProtocol::encode(answer);
}

RemoteProtocol::Answer RemoteControl::carryOut(const RemoteProtocol::Request &request, double reading,
                                               const QDateTime &now)
{
    if (const QString refused = refusal(request); !refused.isEmpty())
        return {false, refused, {}};
    switch (request.operation) {
    case Operation::Show:
        emit showRequested();
        break;
    case Operation::Start:
    case Operation::Stop:
        timekeeper_.startOrStop(reading, now, request.argument, CommentFrom::Elsewhere);
        break;
    case Operation::Pause:
    case Operation::Resume:
        timekeeper_.pauseOrResume(reading, now);
        break;
    case Operation::Lap:
        timekeeper_.lap(reading, request.argument, CommentFrom::Elsewhere);
        break;
    case Operation::Reset:
        timekeeper_.reset(reading, now);
        break;
    case Operation::Mode:
        timekeeper_.setMode(request.argument == QLatin1String("timer") ? RunMode::Timer : RunMode::Chronometre);
        break;
    case Operation::Preset:
        timekeeper_.setPreset(*RemoteProtocol::presetSeconds(request.argument));
        break;
    case Operation::Status:
        break;
    }
    return {true, {}, {}};
}

QString RemoteControl::refusal(const RemoteProtocol::Request &request) const
{
    const Run &run = timekeeper_.run();
    const RunState state = run.state();
    switch (request.operation) {
    case Operation::Start:
        return state == RunState::Idle ? QString() : QStringLiteral("Une course est déjà en marche.");
    case Operation::Stop:
        return state != RunState::Idle ? QString() : QStringLiteral("Aucune course n'est en marche.");
    case Operation::Pause:
    case Operation::Lap:
        return state == RunState::Running  ? QString()
               : state == RunState::Paused ? QStringLiteral("La course est en pause.")
                                           : QStringLiteral("Aucune course n'est en marche.");
    case Operation::Resume:
        return state == RunState::Paused ? QString() : QStringLiteral("La course n'est pas en pause.");
    case Operation::Mode:
        return state == RunState::Idle ? QString() : QStringLiteral("Le mode change à l'arrêt seulement.");
    case Operation::Preset:
        if (!run.timer() || state != RunState::Idle)
            return QStringLiteral("Le temps du timer se règle à l'arrêt, en mode Timer.");
        return TimerPreset::refusal(*RemoteProtocol::presetSeconds(request.argument));
    case Operation::Show:
    case Operation::Reset:
    case Operation::Status:
        break;
    }
    return {};
}

QJsonObject RemoteControl::status(double reading)
{
    const Run &run = timekeeper_.run();
    const LapList &list = timekeeper_.list();
    QJsonValue last;
    if (const int rows = list.rowCount(); rows > 0) {
        const ListRow row = list.row(rows - 1);
        last = QJsonArray{row.label, row.time, row.difference};
    }
    static constexpr const char *kStates[] = {"idle", "running", "paused"};
    return {{QStringLiteral("mode"), run.timer() ? QStringLiteral("timer") : QStringLiteral("chrono")},
            {QStringLiteral("state"), QLatin1String(kStates[int(run.state())])},
            {QStringLiteral("display"), timekeeper_.display(reading)},
            {QStringLiteral("elapsed"), run.elapsedSeconds(reading)},
            {QStringLiteral("rows"), list.rowCount()},
            {QStringLiteral("last"), last},
            {QStringLiteral("reading"), reading},
            {QStringLiteral("lastReading"), run.latestReading()}};
}
