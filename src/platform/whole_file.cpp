#include "platform/whole_file.h"

#include "platform/file_problem.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Opened without blocking, so that a FIFO without a writer answers at once;
// the checks then look at what was opened, not at what the name was then.
std::optional<QByteArray> readRegular(const QString &path, qint64 limit, bool whole, QString &problem)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        problem = FileProblem::describe(errno);
        return std::nullopt;
    }
    struct stat info {};
    QFile file;
    if (::fstat(fd, &info) != 0)
        problem = FileProblem::describe(errno);
    else if (S_ISDIR(info.st_mode))
        problem = FileProblem::describe(EISDIR);
    else if (!S_ISREG(info.st_mode))
        problem = QStringLiteral("ce n'est pas un fichier ordinaire");
    else if (whole && info.st_size > limit)
        problem = QStringLiteral("le fichier est trop volumineux (plus de %1 Mo)").arg(limit >> 20);
    else if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        problem = FileProblem::describe(errno);
    // One byte more than the file holds tells whether it grew meanwhile.
    else if (QByteArray bytes = file.read(std::min<qint64>(limit, info.st_size) + (whole ? 1 : 0));
             file.error() != QFileDevice::NoError)
        problem = FileProblem::describe(errno);
    else if (whole && bytes.size() > info.st_size)
        problem = QStringLiteral("le fichier a grandi pendant sa lecture");
    else
        return bytes;
    if (!file.isOpen())
        ::close(fd);
    return std::nullopt;
}
} // namespace

namespace WholeFile {
QString write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // commit() overlooks a failure of its own final flush (a full disk) and
    // replaces the file with an empty one; flushing first catches it. The
    // system's error is taken at once, before anything else can change it.
    errno = 0;
    int error = 0;
    if (QFileInfo(path).isDir())
        error = EISDIR;
    else if (!file.open(QIODevice::WriteOnly))
        error = errno;
    else if (file.write(bytes) != bytes.size() || !file.flush())
        error = errno;
    else if (file.commit())
        return QString();
    else
        error = errno;
    return error != 0 ? FileProblem::describe(error) : file.errorString();
}

QString append(const QString &path, const QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return FileProblem::describe(errno);
    struct stat info {};
    int error = ::fstat(fd, &info) != 0 ? errno : 0;
    for (qsizetype done = 0; error == 0 && done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            error = errno;
        else if (written > 0)
            done += written;
    }
    if (error == 0 && ::fdatasync(fd) != 0)
        error = errno;
    if (error != 0 && info.st_nlink > 0) { // the size before is known
        [[maybe_unused]] const int cut = ::ftruncate(fd, info.st_size);
    }
    ::close(fd);
    return error == 0 ? QString() : FileProblem::describe(error);
}

std::optional<QByteArray> read(const QString &path, qint64 limit, QString &problem)
{
    return readRegular(path, limit, true, problem);
}

std::optional<QByteArray> head(const QString &path, qint64 length)
{
    QString problem;
    return readRegular(path, length, false, problem);
}
} // namespace WholeFile
