#pragma once
#include "platform/FileHandle.h"

#include <memory>

namespace platform {

// A pipe whose two ends are close-on-exec from the moment they exist.
class Pipe {
public:
    // nullptr when no pipe can be made; errno then says why.
    static std::shared_ptr<Pipe> create();

    FileHandle* fileHandleForReading() const { return reading_.get(); }
    FileHandle* fileHandleForWriting() const { return writing_.get(); }
    // The parent gives up the end it handed to a child.
    void closeReadingEnd() { reading_->closeFile(); }
    void closeWritingEnd() { writing_->closeFile(); }

private:
    Pipe(int readFd, int writeFd);
    std::unique_ptr<FileHandle> reading_;
    std::unique_ptr<FileHandle> writing_;
};

// Makes a descriptor close-on-exec and moves it above the standard streams.
int secureDescriptor(int fd);

} // namespace platform
