#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file in one step: either the new bytes are all there, or the
// earlier file is left as it was.
namespace WholeFile {
// Returns the reason of a failure, or an empty string once the file is written.
QString write(const QString &path, const QByteArray &bytes);
} // namespace WholeFile
