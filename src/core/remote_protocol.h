#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <variant>

// What a command sends the running program over its local socket, and what
// comes back: one JSON object to a line, each with the protocol's version.
// A request carries the boot clock's reading and the boot it was taken on,
// so an operation can take the moment its command ran.
namespace RemoteProtocol {
constexpr int kVersion = 1;
// Longer lines are refused unread.
constexpr qsizetype kMaxLine = 4096;

enum class Operation { Show, Start, Stop, Pause, Resume, Lap, Reset, Mode, Preset, Status };

struct Request {
    Operation operation = Operation::Status;
    // The comment of a start or a lap; "chrono" or "timer"; the preset as
    // H:MM:SS. Empty for the others.
    QString argument{};
    QByteArray boot{};
    qint64 clock = 0; // microseconds of the boot clock
};

// The operation's name in a request, which is also its option's.
QLatin1String name(Operation operation);
// The mode and the preset cannot go without their argument; a start and a
// lap may have one, their comment.
bool needsArgument(Operation operation);
bool takesArgument(Operation operation);

// Without the line's end.
QByteArray encode(const Request &request);
// The request a line holds, or why it holds none, in French.
std::variant<Request, QString> decode(const QByteArray &line);

// "H:MM:SS" (up to three digits of hours) in seconds; nothing for any other text.
std::optional<qint64> presetSeconds(const QString &text);

struct Answer {
    bool done = false;
    QString refusal{};    // why the operation was not done
    QJsonObject status{}; // the run once the operation is done
};
QByteArray encode(const Answer &answer);
std::optional<Answer> decodeAnswer(const QByteArray &line);
} // namespace RemoteProtocol
