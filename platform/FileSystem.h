#pragma once
#include <QString>

#include <optional>
#include <sys/types.h>

namespace platform {

// Which file a path named when we looked: device and inode.
struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileId&) const = default;
};

// Creates an empty file where nothing exists, not even a broken link, and never
// through a link. None when something was there (errno EEXIST) or on failure.
std::optional<FileId> createExclusive(const QString& path);

// The size of the regular file at path when it is still the file `id`; none otherwise.
std::optional<qint64> sizeIfSame(const QString& path, const FileId& id);

// The size of the regular file at path, links not followed; none otherwise.
std::optional<qint64> regularFileSize(const QString& path);

// Removes path only when it is still the regular file `id` (and empty, if asked).
bool removeIfSame(const QString& path, const FileId& id, bool onlyIfEmpty);

// What a path names for the encoder to read.
enum class InputKind { Regular, NotRegular, Unreadable };
struct InputCheck {
    InputKind kind = InputKind::Regular;
    QString reason; // for the two others: why, in words
};
// Follows links; opens nothing that is not a regular file, so a FIFO or a device
// cannot block or be disturbed.
InputCheck inspectInput(const QString& path);

// The system's words for an error number.
QString errorText(int error);

} // namespace platform
