#include "core/remote_protocol.h"

#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <utility>

namespace RemoteProtocol {
namespace {
constexpr std::array kOperations{std::pair{Operation::Show, "show"},     std::pair{Operation::Start, "start"},
                                 std::pair{Operation::Stop, "stop"},     std::pair{Operation::Pause, "pause"},
                                 std::pair{Operation::Resume, "resume"}, std::pair{Operation::Lap, "lap"},
                                 std::pair{Operation::Reset, "reset"},   std::pair{Operation::Mode, "mode"},
                                 std::pair{Operation::Preset, "preset"}, std::pair{Operation::Status, "status"}};
// A boot id is a UUID; this leaves room for any other form without letting a
// request carry much.
constexpr qsizetype kMaxBoot = 64;
// Exactly representable in a JSON number.
constexpr double kMaxClock = 9007199254740992.0;

std::optional<QJsonObject> object(const QByteArray &line)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

// Why an operation's argument is refused; empty when it is sound.
QString argumentProblem(Operation operation, const QJsonValue &value)
{
    if (value.isUndefined())
        return needsArgument(operation) ? QStringLiteral("Cette commande demande une valeur.") : QString();
    if (!takesArgument(operation))
        return QStringLiteral("Cette commande ne prend pas de valeur.");
    if (!value.isString())
        return QStringLiteral("La valeur doit être un texte.");
    const QString text = value.toString();
    if (operation == Operation::Mode && text != QLatin1String("chrono") && text != QLatin1String("timer"))
        return QStringLiteral("Le mode est « chrono » ou « timer ».");
    if (operation == Operation::Preset && !presetSeconds(text))
        return QStringLiteral("Le temps du timer s'écrit H:MM:SS, par exemple 0:05:00.");
    return {};
}
} // namespace

bool needsArgument(Operation operation)
{
    return operation == Operation::Mode || operation == Operation::Preset;
}

bool takesArgument(Operation operation)
{
    return operation == Operation::Start || operation == Operation::Lap || needsArgument(operation);
}

QLatin1String name(Operation operation)
{
    return QLatin1String(kOperations[size_t(operation)].second);
}

QByteArray encode(const Request &request)
{
    QJsonObject object{{QStringLiteral("v"), kVersion},
                       {QStringLiteral("op"), name(request.operation)},
                       {QStringLiteral("boot"), QString::fromLatin1(request.boot)},
                       {QStringLiteral("clock"), double(request.clock)}};
    if (takesArgument(request.operation) && !request.argument.isEmpty())
        object.insert(QStringLiteral("arg"), request.argument);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::variant<Request, QString> decode(const QByteArray &line)
{
    if (line.size() > kMaxLine)
        return QStringLiteral("Requête trop longue.");
    const std::optional<QJsonObject> read = object(line);
    if (!read)
        return QStringLiteral("Requête illisible.");
    const QJsonObject &json = *read;
    const QJsonValue version = json.value(QLatin1String("v"));
    if (!version.isDouble() || version.toDouble() != kVersion)
        return QStringLiteral("Version de requête inconnue : VelTiming comprend la version %1.").arg(kVersion);
    for (const QString &key : json.keys())
        if (key != QLatin1String("v") && key != QLatin1String("op") && key != QLatin1String("boot") &&
            key != QLatin1String("clock") && key != QLatin1String("arg"))
            return QStringLiteral("Champ inconnu : %1.").arg(key.left(32));
    Request request;
    const QString named = json.value(QLatin1String("op")).toString();
    const auto *found = std::find_if(kOperations.begin(), kOperations.end(),
                                     [&](const auto &entry) { return named == QLatin1String(entry.second); });
    if (found == kOperations.end())
        return QStringLiteral("Commande inconnue.");
    request.operation = found->first;
    const QJsonValue boot = json.value(QLatin1String("boot"));
    const QJsonValue clock = json.value(QLatin1String("clock"));
    if (!boot.isString() || boot.toString().size() > kMaxBoot || !clock.isDouble() || clock.toDouble() < 0 ||
        clock.toDouble() > kMaxClock || clock.toDouble() != double(qint64(clock.toDouble())))
        return QStringLiteral("Instant de la commande illisible.");
    request.boot = boot.toString().toLatin1();
    request.clock = qint64(clock.toDouble());
    const QJsonValue argument = json.value(QLatin1String("arg"));
    if (const QString problem = argumentProblem(request.operation, argument); !problem.isEmpty())
        return problem;
    request.argument = argument.toString();
    return request;
}

std::optional<qint64> presetSeconds(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,3}):([0-5][0-9]):([0-5][0-9])$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toLongLong() * 3600 + match.captured(2).toLongLong() * 60 + match.captured(3).toLongLong();
}

QByteArray encode(const Answer &answer)
{
    QJsonObject object{{QStringLiteral("v"), kVersion}, {QStringLiteral("done"), answer.done}};
    if (!answer.refusal.isEmpty())
        object.insert(QStringLiteral("refusal"), answer.refusal);
    if (!answer.status.isEmpty())
        object.insert(QStringLiteral("status"), answer.status);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<Answer> decodeAnswer(const QByteArray &line)
{
    const std::optional<QJsonObject> read = object(line);
    if (!read || read->value(QLatin1String("v")).toDouble() != kVersion || !read->value(QLatin1String("done")).isBool())
        return std::nullopt;
    return Answer{read->value(QLatin1String("done")).toBool(), read->value(QLatin1String("refusal")).toString(),
                  read->value(QLatin1String("status")).toObject()};
}
} // namespace RemoteProtocol
