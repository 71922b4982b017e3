#include "DirWalk.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

struct Walk {
    const std::function<void(const QByteArray&, bool)>& visit;
    QByteArray relative; // grows and shrinks as the walk descends

    // Takes ownership of dirFd.
    void folder(int dirFd)
    {
        DIR* dir = fdopendir(dirFd);
        if (!dir) {
            ::close(dirFd);
            return;
        }
        const qsizetype base = relative.size();
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
            visit(relative, isDir);
            if (realDir) {
                const int child = openat(::dirfd(dir), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (child >= 0)
                    folder(child);
            }
        }
        relative.truncate(base);
        closedir(dir);
    }
};

} // namespace

void walkBelow(const QByteArray& root, const std::function<void(const QByteArray&, bool)>& visit)
{
    const int fd = ::open(root.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    Walk walk{visit, {}};
    walk.folder(fd);
}

} // namespace platform
