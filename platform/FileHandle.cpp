#include "platform/FileHandle.h"
#include "platform/Pipe.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace platform {

namespace {
constexpr qsizetype kChunkSize = 256 * 1024;

bool waitFor(int fd, short events)
{
    pollfd p{fd, events, 0};
    for (;;) {
        int r = ::poll(&p, 1, -1);
        if (r >= 0)
            return true;
        if (errno != EINTR)
            return false;
    }
}
} // namespace

std::shared_ptr<FileHandle> FileHandle::openNullDevice(bool forWriting)
{
    const int fd = secureDescriptor(::open("/dev/null", (forWriting ? O_WRONLY : O_RDONLY) | O_CLOEXEC));
    if (fd < 0)
        return nullptr;
    return std::make_shared<FileHandle>(fd);
}

FileHandle::FileHandle(int fd, bool closeOnDestroy) : fd_(fd), closeOnDestroy_(closeOnDestroy) {}

FileHandle::~FileHandle()
{
    delete notifier_;
    if (closeOnDestroy_ && fd_ >= 0)
        ::close(fd_);
}

void FileHandle::setNonBlocking()
{
    if (nonBlocking_ || fd_ < 0)
        return;
    int flags = ::fcntl(fd_, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd_, F_SETFL, flags | O_NONBLOCK);
    nonBlocking_ = true;
}

void FileHandle::readInBackgroundAndNotify()
{
    if (fd_ < 0)
        return;
    setNonBlocking();
    if (!notifier_) {
        notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read);
        connect(notifier_, &QSocketNotifier::activated, this, &FileHandle::onReadable);
    }
    notifier_->setEnabled(true);
}

void FileHandle::cancelBackgroundRead()
{
    if (notifier_)
        notifier_->setEnabled(false);
}

void FileHandle::onReadable()
{
    QByteArray buffer(kChunkSize, Qt::Uninitialized);
    ssize_t n;
    do {
        n = ::read(fd_, buffer.data(), buffer.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        return; // spurious wake-up: the read stays outstanding
    // One chunk per read: the reader asks again for the next one. At end of file
    // (or on an error) the descriptor is no longer watched.
    notifier_->setEnabled(false);
    buffer.resize(n > 0 ? n : 0);
    emit readCompleted(this, buffer); // may destroy this handle; touch nothing after
}

QByteArray FileHandle::availableData()
{
    if (fd_ < 0)
        return {};
    QByteArray buffer(kChunkSize, Qt::Uninitialized);
    for (;;) {
        ssize_t n = ::read(fd_, buffer.data(), buffer.size());
        if (n >= 0) {
            buffer.resize(n);
            return buffer;
        }
        if (errno == EINTR)
            continue;
        if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(fd_, POLLIN))
            continue;
        return {};
    }
}

QByteArray FileHandle::readAvailableNow(bool* atEnd)
{
    if (atEnd)
        *atEnd = true;
    if (fd_ < 0)
        return {};
    setNonBlocking();
    QByteArray all;
    QByteArray buffer(kChunkSize, Qt::Uninitialized);
    // A writer that never stops must not keep us here: at most a few chunks a call.
    for (int reads = 0; reads < 4; ++reads) {
        ssize_t n = ::read(fd_, buffer.data(), buffer.size());
        if (n > 0) {
            all.append(buffer.constData(), n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && atEnd)
            *atEnd = false;
        return all;
    }
    if (atEnd)
        *atEnd = false;
    return all;
}

QByteArray FileHandle::readDataToEndOfFile()
{
    QByteArray all;
    for (;;) {
        QByteArray chunk = availableData();
        if (chunk.isEmpty())
            return all;
        all += chunk;
    }
}

bool FileHandle::writeData(const QByteArray& data)
{
    if (fd_ < 0)
        return false;
    // A reader that went away must give a failed write, not kill the application.
    static const bool sigpipeIgnored = [] { ::signal(SIGPIPE, SIG_IGN); return true; }();
    (void)sigpipeIgnored;
    const char* p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        ssize_t n = ::write(fd_, p, size_t(left));
        if (n > 0) {
            p += n;
            left -= n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(fd_, POLLOUT)) {
            continue;
        } else {
            return false;
        }
    }
    return true;
}

void FileHandle::closeFile()
{
    delete notifier_;
    notifier_ = nullptr;
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace platform
