#pragma once

#include <QByteArray>
#include <QList>

// The preferences file's byte format: texts of at most 255 bytes, each behind
// one length byte, one after the other with nothing around them.
namespace PreferenceRecords {
// The first `count` records of the data. A record the data lacks, or whose
// length byte claims more than is left, reads as empty; data after the last
// wanted record is ignored.
QList<QByteArray> read(const QByteArray &data, int count);
// Texts longer than 255 bytes are cut to fit; see fit().
QByteArray write(const QList<QByteArray> &records);
// UTF-8 text cut to at most 255 bytes without splitting a character.
QByteArray fit(const QByteArray &utf8);
} // namespace PreferenceRecords
