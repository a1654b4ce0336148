#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Files read and written whole, or added to by whole lines.
namespace WholeFile {
// Replaces a file in one step: either the new bytes are all there, or the
// earlier file is left as it was. Returns the reason of a failure, or an
// empty string once the file is written.
QString write(const QString &path, const QByteArray &bytes);
// Adds the bytes at the end of an existing file and flushes them to the disk.
// A failure cuts the file back to where it was, so it never holds part of
// them. Returns the reason of a failure, or an empty string.
QString append(const QString &path, const QByteArray &bytes);
// The bytes of a regular file of at most `limit` bytes, or nothing and the
// reason in `problem`. A FIFO, a device, a socket or a larger file is refused
// before a byte is read, so that none of them can block or fill the memory.
std::optional<QByteArray> read(const QString &path, qint64 limit, QString &problem);
// At most the first `length` bytes of a regular file; nothing for any other.
std::optional<QByteArray> head(const QString &path, qint64 length);
} // namespace WholeFile
