#include "DirWalk.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

struct Walk {
    const WalkVisitor& v;
    QByteArray relative; // grows and shrinks as the walk descends

    void enter(int parentFd, const char* name)
    {
        const int child = openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child >= 0)
            folder(child);
        else if (v.unopened)
            v.unopened(relative, errno);
    }

    // Takes ownership of dirFd.
    void folder(int dirFd)
    {
        DIR* dir = fdopendir(dirFd);
        if (!dir) {
            const int error = errno;
            ::close(dirFd);
            if (v.unopened)
                v.unopened(relative, error);
            return;
        }
        const qsizetype base = relative.size();
        bool files = false;
        bool passedOver = false; // a folder of the passed-over name was met
        while (dirent* e = readdir(dir)) {
            const char* name = e->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            relative.truncate(base);
            if (base)
                relative.append('/');
            relative.append(name);
            bool realDir = e->d_type == DT_DIR;
            bool isDir = realDir;
            if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
                struct stat st {};
                // Followed for the answer, not for the walk.
                isDir = fstatat(::dirfd(dir), name, &st, 0) == 0 && S_ISDIR(st.st_mode);
                if (isDir && e->d_type == DT_UNKNOWN) {
                    struct stat own {};
                    realDir = fstatat(::dirfd(dir), name, &own, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(own.st_mode);
                }
            }
            files = files || !isDir;
            if (realDir && !v.passOverBesideFiles.isEmpty() && v.passOverBesideFiles == name) {
                // Whether files stand beside it is known once the folder is read.
                passedOver = true;
                continue;
            }
            v.visit(relative, isDir);
            if (realDir)
                enter(::dirfd(dir), name);
        }
        if (passedOver) {
            relative.truncate(base);
            if (base)
                relative.append('/');
            relative.append(v.passOverBesideFiles);
            if (files) {
                if (v.passedOver)
                    v.passedOver(relative);
            } else {
                v.visit(relative, true);
                enter(::dirfd(dir), v.passOverBesideFiles.constData());
            }
        }
        relative.truncate(base);
        closedir(dir);
    }
};

} // namespace

bool walkBelow(const QByteArray& root, const WalkVisitor& visitor)
{
    const int fd = ::open(root.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    Walk walk{visitor, {}};
    walk.folder(fd);
    return true;
}

} // namespace platform
