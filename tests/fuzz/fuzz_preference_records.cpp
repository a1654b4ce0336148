// Fuzzing of the preferences file's records and settings, with fuzz_main.cpp.
#include "shell/preference_records.h"
#include "shell/preferences.h"

#include <algorithm>

QList<QByteArray> seeds()
{
    const Preferences changed{.voirEcarts = false, .texteTimer = QString(200, u'é'), .chronometre = false};
    return {Preferences().encode(), changed.encode()};
}

bool holds(const QByteArray &input)
{
    using namespace PreferenceRecords;
    // The first record is what its length byte says; it is empty, and the last, when that is more than is left.
    const bool whole = !input.isEmpty() && uchar(input[0]) < input.size();
    const QList<QByteArray> records = read(input, 11), rest = read(whole ? input.mid(1 + uchar(input[0])) : "", 11);
    // The input as a twelfth text keeps its longest start of at most 255 bytes that ends before a character.
    const QList<QByteArray> back = read(write(records + QList{input}), 12);
    const QByteArray cut = back[11], file = Preferences::decode(input).encode();
    const auto continues = [](char byte) { return (uchar(byte) & 0xC0) == 0x80; };
    const bool cutWell = cut == input || (input.size() > 255 && (cut.isEmpty() || !continues(input[cut.size()])) &&
                                          std::all_of(input.begin() + cut.size() + 1, input.begin() + 256, continues));
    // Records write back whole, and the settings kept from a file the program wrote read back the same.
    return records == QList{whole ? input.mid(1, uchar(input[0])) : ""} + rest.first(10) && back.first(11) == records &&
           input.startsWith(cut) && cutWell && Preferences::decode(file).encode() == file;
}
