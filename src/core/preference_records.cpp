#include "core/preference_records.h"

namespace PreferenceRecords {
namespace {
constexpr int kMaxLength = 255;

bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}
} // namespace

QList<QByteArray> read(const QByteArray &data, int count)
{
    QList<QByteArray> records;
    records.reserve(count);
    qsizetype at = 0;
    while (records.size() < count) {
        if (at >= data.size()) {
            records.append(QByteArray());
            continue;
        }
        const int length = static_cast<unsigned char>(data[at]);
        ++at;
        if (length > data.size() - at) {
            // A record that claims more than the file holds ends the file:
            // it and those after it are empty.
            at = data.size();
            continue;
        }
        records.append(data.mid(at, length));
        at += length;
    }
    return records;
}

QByteArray fit(const QByteArray &utf8)
{
    if (utf8.size() <= kMaxLength)
        return utf8;
    qsizetype end = kMaxLength;
    // Back up to the first byte of the character that would be split.
    while (end > 0 && isContinuationByte(utf8[end]))
        --end;
    return utf8.left(end);
}

QByteArray write(const QList<QByteArray> &records)
{
    QByteArray data;
    for (const QByteArray &record : records) {
        const QByteArray text = fit(record);
        data.append(static_cast<char>(text.size()));
        data.append(text);
    }
    return data;
}
} // namespace PreferenceRecords
