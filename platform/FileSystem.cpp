#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace platform {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(FileSystem)
};
} // namespace

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

namespace {
std::optional<FileId> createdAt(int dirFd, const QByteArray& name)
{
    const int fd = ::openat(dirFd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    const bool ok = ::fstat(fd, &st) == 0;
    const int error = errno;
    ::close(fd);
    if (!ok) {
        // Ours, and of no use unnamed: gone again.
        ::unlinkat(dirFd, name.constData(), 0);
        errno = error == EEXIST ? EIO : error;
        return std::nullopt;
    }
    return FileId{st.st_dev, st.st_ino};
}
} // namespace

namespace {
// A folder that could not be opened because a link stands where it was looked
// for: ELOOP, whatever the system said (ENOTDIR with O_DIRECTORY on some).
int linkAware(int error, int dirFd, const QByteArray& name)
{
    struct stat st {};
    if ((error == ENOTDIR || error == ELOOP) && ::fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0
        && S_ISLNK(st.st_mode))
        return ELOOP;
    return error;
}
} // namespace

Folder::Folder(const QString& path, bool followLink, const QStringList& below)
{
    const QByteArray native = QFile::encodeName(path);
    fd_ = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY | (followLink ? 0 : O_NOFOLLOW));
    error_ = fd_ < 0 ? linkAware(errno, AT_FDCWD, native) : 0;
    for (const QString& name : below) {
        if (fd_ < 0)
            return;
        const QByteArray component = QFile::encodeName(name);
        int next = -1;
        if (::mkdirat(fd_, component.constData(), 0777) == 0 || errno == EEXIST)
            next = ::openat(fd_, component.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
        error_ = next < 0 ? linkAware(errno, fd_, component) : 0;
        ::close(fd_);
        fd_ = next;
    }
}

Folder::~Folder()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool Folder::has(const QString& name) const
{
    struct stat st {};
    return ::fstatat(fd_, QFile::encodeName(name).constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT;
}

std::optional<FileId> Folder::createExclusive(const QString& name) const
{
    if (fd_ < 0) {
        errno = error_;
        return std::nullopt;
    }
    return createdAt(fd_, QFile::encodeName(name));
}

MadeFolder makeFolder(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0777) == 0)
        return {FolderState::Ready, 0, true};
    const int error = errno;
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return {FolderState::Unmade, error};
    if (S_ISLNK(st.st_mode))
        return {FolderState::Link, 0};
    if (!S_ISDIR(st.st_mode))
        return {FolderState::NotFolder, 0};
    return {};
}

bool removeEmptyFolder(const QString& path)
{
    return ::rmdir(QFile::encodeName(path).constData()) == 0;
}

QString privateFolder()
{
    static const QString folder = [] {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray base = !runtime.isEmpty() ? runtime + "/qelvanto"
                                                   : QFile::encodeName(QDir::tempPath()) + "/qelvanto-"
                                                         + QByteArray::number(qulonglong(::geteuid()));
        ::mkdir(base.constData(), 0700);
        const int fd = ::open(base.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return QString();
        struct stat st {};
        const bool ours = ::fstat(fd, &st) == 0 && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
        ::close(fd);
        return ours ? QFile::decodeName(base) : QString();
    }();
    return folder;
}

std::optional<FileId> descriptorId(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return std::nullopt;
    return FileId{st.st_dev, st.st_ino};
}

std::optional<qint64> descriptorSize(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return qint64(st.st_size);
}

bool syncDescriptor(int fd)
{
    int rc;
    do {
        rc = ::fsync(fd);
    } while (rc != 0 && errno == EINTR);
    // A file system that cannot flush (a pipe-like or special one) has nothing to lose.
    return rc == 0 || errno == EINVAL || errno == EROFS;
}

std::optional<Folder::Entry> Folder::entry(const QString& name) const
{
    struct stat st {};
    if (fd_ < 0 || ::fstatat(fd_, QFile::encodeName(name).constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return Entry{{st.st_dev, st.st_ino}, qint64(st.st_size), S_ISREG(st.st_mode),
                 qint64(::time(nullptr) - st.st_mtime)};
}

QStringList Folder::names() const
{
    QStringList list;
    if (fd_ < 0)
        return list;
    const int copy = ::openat(fd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = copy < 0 ? nullptr : ::fdopendir(copy);
    if (!dir) {
        if (copy >= 0)
            ::close(copy);
        return list;
    }
    while (dirent* e = ::readdir(dir)) {
        const char* n = e->d_name;
        if (!(n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))))
            list << QFile::decodeName(n);
    }
    ::closedir(dir);
    return list;
}

int Folder::createLocked(const QString& name) const
{
    if (fd_ < 0) {
        errno = error_;
        return -1;
    }
    const QByteArray native = QFile::encodeName(name);
    const int fd = ::openat(fd_, native.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return -1;
    // Where locks cannot be had, the file is still ours; it is only never
    // recognised as abandoned.
    ::flock(fd, LOCK_EX | LOCK_NB);
    return fd;
}

int Folder::openIfUnlocked(const QString& name) const
{
    if (fd_ < 0)
        return -1;
    const int fd = ::openat(fd_, QFile::encodeName(name).constData(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool Folder::removeIfSame(const QString& name, const FileId& id, bool onlyIfEmpty) const
{
    const auto e = entry(name);
    if (!e || !e->regular || e->id != id || (onlyIfEmpty && e->size != 0))
        return false;
    return ::unlinkat(fd_, QFile::encodeName(name).constData(), 0) == 0;
}

bool Folder::renameNoReplace(const QString& from, const QString& to) const
{
    const QByteArray f = QFile::encodeName(from), t = QFile::encodeName(to);
#if defined(__linux__) && defined(RENAME_NOREPLACE)
    if (::renameat2(fd_, f.constData(), fd_, t.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#endif
    // Where the file system cannot rename without replacing: a second name,
    // which fails where one exists, then the first name goes.
    if (::linkat(fd_, f.constData(), fd_, t.constData(), 0) == 0) {
        ::unlinkat(fd_, f.constData(), 0);
        return true;
    }
    if (errno == EEXIST)
        return false;
    // No links either (FAT, say): a look, then the rename; the best such a file system allows.
    struct stat st {};
    if (::fstatat(fd_, t.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT) {
        errno = EEXIST;
        return false;
    }
    return ::renameat(fd_, f.constData(), fd_, t.constData()) == 0;
}

bool Folder::sync() const
{
    return fd_ >= 0 && syncDescriptor(fd_);
}

std::optional<qint64> availableBytes(const QString& path)
{
    struct statvfs vfs {};
    if (::statvfs(QFile::encodeName(path).constData(), &vfs) != 0)
        return std::nullopt;
    // The encoder runs as we do: root may also fill the blocks kept for root.
    const auto blocks = ::geteuid() == 0 ? vfs.f_bfree : vfs.f_bavail;
    return qint64(blocks) * qint64(vfs.f_frsize);
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

// Between the look and the removal the name could change hands; the window is as
// small as a path allows (the encoder, too, is given the name, not a descriptor).
bool removeIfSame(const QString& path, const FileId& id, bool onlyIfEmpty)
{
    const auto st = sameRegular(path, id);
    if (!st || (onlyIfEmpty && st->st_size != 0))
        return false;
    return ::unlink(QFile::encodeName(path).constData()) == 0;
}

std::optional<QByteArray> readSmallRegularFile(const QString& path, qint64 maxBytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= maxBytes) {
        QByteArray all(qsizetype(maxBytes) + 1, Qt::Uninitialized);
        qsizetype got = 0;
        for (;;) {
            const ssize_t n = ::read(fd, all.data() + got, size_t(all.size() - got));
            if (n > 0 && (got += n) < all.size())
                continue;
            if (n < 0 && errno == EINTR)
                continue;
            if (n >= 0 && got <= maxBytes) { // a file that grew past the bound is not read
                all.resize(got);
                bytes = all;
            }
            break;
        }
    }
    ::close(fd);
    return bytes;
}

namespace {
bool writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (!(n < 0 && errno == EINTR))
            return false;
    }
    return true;
}
} // namespace

bool writeFileNoFollow(const QString& path, const QByteArray& bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat st {};
    const bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && writeAll(fd, bytes);
    return ::close(fd) == 0 && ok;
}

bool replaceFileAtomically(const QString& path, const QByteArray& bytes)
{
    QByteArray temp = QFile::encodeName(path) + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    const bool written = writeAll(fd, bytes) && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temp.constData(), QFile::encodeName(path).constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    return true;
}

QString homeFolder()
{
    if (const QByteArray home = qgetenv("HOME"); !home.isEmpty())
        return QFile::decodeName(home);
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && *pw->pw_dir)
        return QFile::decodeName(pw->pw_dir);
    return QStringLiteral("/");
}

qint64 inspectSize(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return qint64(st.st_size);
}

InputCheck inspectInput(const QString& path, qsizetype headBytes)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return {InputKind::Unreadable, errorText(errno), {}};
    if (S_ISDIR(st.st_mode))
        return {InputKind::NotRegular, Words::tr("it is a folder"), {}};
    if (S_ISFIFO(st.st_mode))
        return {InputKind::NotRegular, Words::tr("it is a FIFO, not a regular file"), {}};
    if (S_ISSOCK(st.st_mode))
        return {InputKind::NotRegular, Words::tr("it is a socket, not a regular file"), {}};
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return {InputKind::NotRegular, Words::tr("it is a device, not a regular file"), {}};
    if (!S_ISREG(st.st_mode))
        return {InputKind::NotRegular, Words::tr("it is not a regular file"), {}};
    // Non-blocking, in case a FIFO took its place since the look above.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {InputKind::Unreadable, errorText(errno), {}};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    InputCheck check;
    if (!regular) {
        check = {InputKind::NotRegular, Words::tr("it is not a regular file"), {}};
    } else if (headBytes > 0) {
        check.head.resize(headBytes);
        ssize_t n;
        do {
            n = ::read(fd, check.head.data(), size_t(headBytes));
        } while (n < 0 && errno == EINTR);
        check.head.resize(n > 0 ? qsizetype(n) : 0);
    }
    ::close(fd);
    return check;
}

} // namespace platform
