#pragma once

#include "core/remote_protocol.h"

#include <QStringList>

#include <optional>

// The program's command line: nothing but Qt's own options starts the
// program; an operation drives the one that runs.
namespace CommandLine {
struct Invocation {
    enum class Kind { Program, Help, Version, Command, Mistake };
    Kind kind = Kind::Program;
    // The operation and its argument; the clock and the boot are the caller's.
    RemoteProtocol::Request request{};
    bool json = false;
    QString mistake{}; // what is wrong with the line, in French
};
// arguments[0] is the program's own name.
Invocation parse(const QStringList &arguments);
QString help();

// Exit statuses.
constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kMistake = 2;
constexpr int kNotRunning = 3;

struct Report {
    int status = kDone;
    QString out{};
    QString err{};
};
// What a command prints and returns for the running program's answer; no
// answer when no program ran. `started` tells that the command started one.
Report report(const Invocation &invocation, const std::optional<RemoteProtocol::Answer> &answer, bool started);
} // namespace CommandLine
