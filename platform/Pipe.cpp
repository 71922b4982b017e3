#include "platform/Pipe.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {
constexpr int kPipeBufferSize = 256 * 1024; // one read chunk of FileHandle
}

int secureDescriptor(int fd)
{
    if (fd < 0)
        return fd;
    if (fd <= 2) {
        // Dup'ing a pipe end onto a child's standard stream must never be a no-op.
        int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
        int saved = errno;
        ::close(fd);
        errno = saved;
        return moved;
    }
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    return fd;
}

std::shared_ptr<Pipe> Pipe::create()
{
    int fds[2];
#if defined(__linux__)
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return nullptr;
#else
    if (::pipe(fds) != 0)
        return nullptr;
#endif
    int r = secureDescriptor(fds[0]);
    int w = secureDescriptor(fds[1]);
    if (r < 0 || w < 0) {
        int saved = errno;
        if (r >= 0) ::close(r);
        if (w >= 0) ::close(w);
        errno = saved;
        return nullptr;
    }
#if defined(F_SETPIPE_SZ)
    // A larger buffer lets a chatty child write, and us read, in fewer, larger
    // chunks; where the system refuses, the default stays.
    ::fcntl(w, F_SETPIPE_SZ, kPipeBufferSize);
#endif
    return std::shared_ptr<Pipe>(new Pipe(r, w));
}

Pipe::Pipe(int readFd, int writeFd)
    : reading_(std::make_unique<FileHandle>(readFd)), writing_(std::make_unique<FileHandle>(writeFd))
{
}

} // namespace platform
