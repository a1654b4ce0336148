#include "core/command_line.h"

#include "core/program.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <array>

using RemoteProtocol::Operation;

namespace CommandLine {
namespace {
// Every operation but showing the window, which a plain start asks for.
constexpr std::array kCommands{Operation::Start, Operation::Stop,   Operation::Lap,
                               Operation::Pause, Operation::Resume, Operation::Reset,
                               Operation::Mode,  Operation::Preset, Operation::Status};

Invocation mistake(const QString &text)
{
    return {Invocation::Kind::Mistake, {}, false, text};
}

// Qt's own options take one dash; the program's take two.
bool ours(const QString &argument)
{
    return argument.startsWith(QLatin1String("--")) || argument == QLatin1String("-h");
}

QString statusText(const QJsonObject &status)
{
    static const QHash<QString, QString> states{{QStringLiteral("idle"), QStringLiteral("à l'arrêt")},
                                                {QStringLiteral("running"), QStringLiteral("en marche")},
                                                {QStringLiteral("paused"), QStringLiteral("en pause")}};
    QString text =
        (status.value(QLatin1String("mode")).toString() == QLatin1String("timer") ? QStringLiteral("Timer")
                                                                                  : QStringLiteral("Chronomètre")) +
        QStringLiteral(", ") + states.value(status.value(QLatin1String("state")).toString()) + QStringLiteral(" : ") +
        status.value(QLatin1String("display")).toString() + QLatin1Char('\n');
    const int rows = status.value(QLatin1String("rows")).toInt();
    text += rows == 0 ? QStringLiteral("Liste vide") : QStringLiteral("%1 ligne%2").arg(rows).arg(rows > 1 ? "s" : "");
    if (const QJsonArray last = status.value(QLatin1String("last")).toArray(); !last.isEmpty()) {
        QStringList cells;
        for (const QJsonValue &cell : last)
            if (!cell.toString().isEmpty())
                cells << cell.toString();
        if (!cells.isEmpty()) // the blank row that ends a run says nothing
            text += QStringLiteral(" ; la dernière : ") + cells.join(QStringLiteral("  "));
    }
    return text + QLatin1Char('\n');
}
} // namespace

Invocation parse(const QStringList &arguments)
{
    if (!std::any_of(arguments.begin() + std::min<qsizetype>(1, arguments.size()), arguments.end(), ours))
        return {};
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, {}});
    parser.addOption({QStringLiteral("version"), {}});
    parser.addOption({QStringLiteral("json"), {}});
    for (const Operation operation : kCommands)
        parser.addOption({RemoteProtocol::name(operation),
                          {},
                          RemoteProtocol::needsArgument(operation) ? QStringLiteral("value") : QString()});
    if (!parser.parse(arguments))
        return mistake(parser.unknownOptionNames().isEmpty()
                           ? QStringLiteral("Une valeur manque, ou une option en a une qu'elle ne prend pas.")
                           : QStringLiteral("Option inconnue : %1.").arg(parser.unknownOptionNames().first()));
    if (parser.isSet(QStringLiteral("help")))
        return {Invocation::Kind::Help};
    if (parser.isSet(QStringLiteral("version")))
        return {Invocation::Kind::Version};
    Invocation invocation{Invocation::Kind::Command};
    invocation.json = parser.isSet(QStringLiteral("json"));
    int operations = 0;
    for (const QString &name : parser.optionNames()) {
        const auto *command = std::find_if(kCommands.begin(), kCommands.end(),
                                           [&](Operation known) { return name == RemoteProtocol::name(known); });
        if (command == kCommands.end())
            continue;
        ++operations;
        invocation.request.operation = *command;
        if (RemoteProtocol::needsArgument(*command))
            invocation.request.argument = parser.value(name);
    }
    if (operations != 1)
        return mistake(operations == 0 ? QStringLiteral("Aucune commande.")
                                       : QStringLiteral("Une seule commande à la fois."));
    const QStringList rest = parser.positionalArguments();
    const Operation operation = invocation.request.operation;
    const bool commented = RemoteProtocol::takesArgument(operation) && !RemoteProtocol::needsArgument(operation);
    if (rest.size() > (commented ? 1 : 0))
        return mistake(commented ? QStringLiteral("Un seul commentaire, entre guillemets s'il a des blancs.")
                                 : QStringLiteral("Cette commande ne prend pas de commentaire."));
    if (!rest.isEmpty())
        invocation.request.argument = rest.first();
    // The running program reads the request by the same rule.
    const std::variant<RemoteProtocol::Request, QString> checked =
        RemoteProtocol::decode(RemoteProtocol::encode(invocation.request));
    if (const QString *problem = std::get_if<QString>(&checked))
        return mistake(*problem);
    return invocation;
}

QString help()
{
    return QStringLiteral("Usage : veltiming [COMMANDE [COMMENTAIRE]] [--json]\n"
                          "\n"
                          "Sans commande, ouvre %1, ou montre sa fenêtre s'il tourne déjà.\n"
                          "Une commande conduit le %1 qui tourne, comme ses boutons ; elle prend\n"
                          "l'instant où elle est lancée, non celui où le programme la lit.\n"
                          "\n"
                          "  --start [COMMENTAIRE]  Départ ; lance d'abord %1 s'il ne tourne pas\n"
                          "  --stop                 Stop\n"
                          "  --lap [COMMENTAIRE]    Intermédiaire\n"
                          "  --pause                Pause\n"
                          "  --resume               Reprendre\n"
                          "  --reset                Initialiser\n"
                          "  --mode chrono|timer    Chronomètre ou Timer, à l'arrêt\n"
                          "  --preset H:MM:SS       Temps du timer, à l'arrêt en mode Timer\n"
                          "  --status               Le mode, l'état, l'affichage et la dernière ligne\n"
                          "  --json                 Après une commande, l'état en JSON : mode, state,\n"
                          "                         display, elapsed (secondes), rows, last\n"
                          "  -h, --help             Cette aide\n"
                          "  --version              La version\n"
                          "\n"
                          "Sortie : 0 fait ; 1 refusé, la raison sur la sortie d'erreur ;\n"
                          "2 commande mal écrite ; 3 %1 ne tournait pas.\n")
        .arg(Program::name());
}

Report report(const Invocation &invocation, const std::optional<RemoteProtocol::Answer> &answer, bool started)
{
    Report report;
    if (started)
        report.err = Program::name() + QStringLiteral(" ne tournait pas : il est lancé.\n");
    else if (!answer)
        report.err = Program::name() + QStringLiteral(" ne tourne pas.\n");
    if (!answer)
        return {kNotRunning, {}, report.err};
    if (invocation.json)
        report.out = QString::fromUtf8(QJsonDocument(answer->status).toJson(QJsonDocument::Compact)) + '\n';
    else if (invocation.request.operation == Operation::Status)
        report.out = statusText(answer->status);
    if (!answer->done)
        report.err += answer->refusal + QLatin1Char('\n');
    report.status = started ? kNotRunning : answer->done ? kDone : kRefused;
    return report;
}
} // namespace CommandLine
