#include "app/command_client.h"

#include "core/program.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTextStream>
#include <QThread>

namespace {
// How long a program started for a command has to answer it.
constexpr int kStartMs = 10000;

std::optional<RemoteProtocol::Answer> ask(Platform &platform, const QByteArray &request)
{
    const std::optional<QByteArray> line = platform.askInstance(request);
    if (!line)
        return std::nullopt;
    const std::optional<RemoteProtocol::Answer> answer = RemoteProtocol::decodeAnswer(*line);
    // A program that answers what it cannot be understood is not one to drive.
    return answer ? answer : RemoteProtocol::Answer{false, QStringLiteral("Réponse illisible."), {}};
}

std::optional<RemoteProtocol::Answer> startAndAsk(Platform &platform, const QByteArray &request)
{
    // Not on the command's output, which a script may wait to see closed.
    QProcess program;
    program.setProgram(QCoreApplication::applicationFilePath());
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    if (!program.startDetached())
        return std::nullopt;
    const QDeadlineTimer deadline(kStartMs);
    while (!deadline.hasExpired()) {
        if (std::optional<RemoteProtocol::Answer> answer = ask(platform, request))
            return answer;
        QThread::msleep(50);
    }
    return std::nullopt;
}
} // namespace

namespace CommandClient {
int run(const CommandLine::Invocation &invocation, Platform &platform, double launched)
{
    using Kind = CommandLine::Invocation::Kind;
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (invocation.kind) {
    case Kind::Help:
        out << CommandLine::help();
        return CommandLine::kDone;
    case Kind::Version:
        out << Program::name() << ' ' << Program::version() << '\n';
        return CommandLine::kDone;
    case Kind::Mistake:
        err << "veltiming : " << invocation.mistake << "\nVoir « veltiming --help ».\n";
        return CommandLine::kMistake;
    case Kind::Program:
    case Kind::Command:
        break;
    }
    RemoteProtocol::Request request = invocation.request;
    request.boot = platform.bootId();
    request.clock = qint64(launched);
    const QByteArray line = RemoteProtocol::encode(request);
    std::optional<RemoteProtocol::Answer> answer = ask(platform, line);
    bool started = false;
    if (!answer && request.operation == RemoteProtocol::Operation::Start) {
        answer = startAndAsk(platform, line);
        started = true;
    }
    const CommandLine::Report report = CommandLine::report(invocation, answer, started);
    out << report.out;
    err << report.err;
    return report.status;
}
} // namespace CommandClient
