// Fuzzing of the preferences file's records and settings, with fuzz_main.cpp.
#include "core/preference_records.h"
#include "core/preferences.h"

#include <algorithm>

QList<QByteArray> seeds()
{
    const Preferences changed{.showDifferences = false, .alertMessage = QString(200, u'é'), .timerMode = true};
    return {Preferences().encode(), changed.encode()};
}

bool holds(const QByteArray &input)
{
    using namespace PreferenceRecords;
    // The first record is what its length byte says; it is empty, and the last, when that is more than is left.
    const bool whole = !input.isEmpty() && uchar(input[0]) < input.size();
    const QList<QByteArray> records = read(input, 11), rest = read(whole ? input.mid(1 + uchar(input[0])) : "", 11);
    // Written after the records, the input keeps its longest start within 255 bytes that ends before a character.
    const QByteArray written = write(records + QList{input}), cut = read(written, 12)[11];
    const Preferences decoded = Preferences::decode(input);
    const QByteArray file = decoded.encode();
    const qint64 preset = decoded.preset;                                       // within the countdown's limits
    const auto inside = [](char byte) { return (uchar(byte) & 0xC0) == 0x80; }; // a byte that continues a character
    const bool cutWell = cut == input || (input.size() > 255 && (cut.isEmpty() || !inside(input[cut.size()])) &&
                                          std::all_of(input.begin() + cut.size() + 1, input.begin() + 256, inside));
    return records == QList{whole ? input.mid(1, uchar(input[0])) : ""} + rest.first(10) &&
           read(written, 11) == records && written.size() == 12 + records.join().size() + cut.size() &&
           input.startsWith(cut) && cutWell && Preferences::decode(file).encode() == file && preset >= 5 &&
           preset <= 3596400;
}
