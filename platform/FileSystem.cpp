#include "platform/FileSystem.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

std::optional<FileId> createExclusive(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    const bool ok = ::fstat(fd, &st) == 0;
    const int error = errno;
    ::close(fd);
    if (!ok) {
        // Ours, and of no use unnamed: gone again.
        ::unlink(QFile::encodeName(path).constData());
        errno = error == EEXIST ? EIO : error;
        return std::nullopt;
    }
    return FileId{st.st_dev, st.st_ino};
}

namespace {
std::optional<struct stat> sameRegular(const QString& path, const FileId& id)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)
        || FileId{st.st_dev, st.st_ino} != id)
        return std::nullopt;
    return st;
}
} // namespace

std::optional<qint64> sizeIfSame(const QString& path, const FileId& id)
{
    if (auto st = sameRegular(path, id))
        return qint64(st->st_size);
    return std::nullopt;
}

std::optional<qint64> regularFileSize(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return qint64(st.st_size);
}

bool removeIfSame(const QString& path, const FileId& id, bool onlyIfEmpty)
{
    const auto st = sameRegular(path, id);
    if (!st || (onlyIfEmpty && st->st_size != 0))
        return false;
    return ::unlink(QFile::encodeName(path).constData()) == 0;
}

InputCheck inspectInput(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return {InputKind::Unreadable, errorText(errno)};
    if (S_ISDIR(st.st_mode))
        return {InputKind::NotRegular, QStringLiteral("it is a folder")};
    if (S_ISFIFO(st.st_mode))
        return {InputKind::NotRegular, QStringLiteral("it is a FIFO, not a regular file")};
    if (S_ISSOCK(st.st_mode))
        return {InputKind::NotRegular, QStringLiteral("it is a socket, not a regular file")};
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return {InputKind::NotRegular, QStringLiteral("it is a device, not a regular file")};
    if (!S_ISREG(st.st_mode))
        return {InputKind::NotRegular, QStringLiteral("it is not a regular file")};
    // Non-blocking, in case a FIFO took its place since the look above.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {InputKind::Unreadable, errorText(errno)};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    if (!regular)
        return {InputKind::NotRegular, QStringLiteral("it is not a regular file")};
    return {};
}

} // namespace platform
