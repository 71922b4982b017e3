#pragma once
#include <QByteArray>
#include <QObject>
#include <memory>

class QSocketNotifier;

namespace platform {

// An owned file descriptor. Background reads report on the event loop of the
// thread that started them, one chunk per read, an empty chunk at end of file.
class FileHandle : public QObject {
    Q_OBJECT
public:
    explicit FileHandle(int fd, bool closeOnDestroy = true);
    ~FileHandle() override;

    int fileDescriptor() const { return fd_; }
    // /dev/null for reading (or writing); none when it cannot be opened.
    static std::shared_ptr<FileHandle> openNullDevice(bool forWriting = false);

    // Starts one read; readCompleted follows once bytes or end of file are there.
    void readInBackgroundAndNotify();
    // Withdraws an outstanding background read; no readCompleted follows for it.
    void cancelBackgroundRead();

    // Waits for bytes or end of file; empty at end of file (or on a read error).
    QByteArray availableData();
    QByteArray readDataToEndOfFile();
    // What can be read right now, without waiting; atEnd tells whether end of
    // file (or an error) was met.
    QByteArray readAvailableNow(bool* atEnd = nullptr);
    bool writeData(const QByteArray& data);
    void closeFile();

signals:
    void readCompleted(platform::FileHandle* handle, const QByteArray& data);

private:
    void onReadable();
    void setNonBlocking();

    int fd_;
    bool closeOnDestroy_;
    bool nonBlocking_ = false;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace platform
