#pragma once

#include "core/command_line.h"

class Platform;

// A command line that drives the running program: it sends the request with
// the moment the command was launched, prints the answer and gives the exit
// status. A start finds no program running starts one first.
namespace CommandClient {
int run(const CommandLine::Invocation &invocation, Platform &platform, double launched);
} // namespace CommandClient
