#include "platform/whole_file.h"

#include <QSaveFile>

namespace WholeFile {
QString write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // commit() overlooks a failure of its own final flush (a full disk) and
    // replaces the file with an empty one; flushing first catches it.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return QString();
    return file.errorString();
}
} // namespace WholeFile
