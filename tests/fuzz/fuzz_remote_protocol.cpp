// Fuzzing of the commands' request reader, with fuzz_main.cpp.
#include "core/remote_control.h"
#include "core/settings.h"
#include "core/timekeeper.h"

using namespace RemoteProtocol;

QList<QByteArray> seeds()
{
    return {encode(Request{Operation::Lap, "Virage", "boot-1", 15000000}),
            encode(Request{Operation::Preset, "0:05:00"}), encode(Request{Operation::Mode, "timer", "boot-1", 1}),
            encode(Request{Operation::Status})};
}

// A request read, written again, reads back the same; whatever the line, the running program's answer reads as one,
// and says done only for a request read.
bool holds(const QByteArray &input)
{
    const std::variant<Request, QString> read = decode(input);
    const Request *request = std::get_if<Request>(&read);
    if (request) {
        const std::variant<Request, QString> again = decode(encode(*request));
        const Request *back = std::get_if<Request>(&again);
        if (!back || back->operation != request->operation || back->argument != request->argument ||
            back->boot != request->boot || back->clock != request->clock)
            return false;
    }
    Settings settings;
    Timekeeper keeper(settings);
    keeper.restore();
    RemoteControl control(keeper);
    const std::optional<Answer> answer = decodeAnswer(control.answer(input, {15e6, "boot-1", {}, false}));
    return answer && (request || !answer->done);
}
