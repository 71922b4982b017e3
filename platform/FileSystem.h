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

// A small settings-like file: opened without following a link and without
// blocking, and read only when it is a regular file of at most maxBytes. None
// otherwise (no file, a link, a FIFO, a device, a folder, too large).
std::optional<QByteArray> readSmallRegularFile(const QString& path, qint64 maxBytes);

// Replaces the file's content without following a link at the path (a link
// there makes the write fail). False on any failure.
bool writeFileNoFollow(const QString& path, const QByteArray& bytes);

// Writes a new file beside path and renames it over path: a reader sees the old
// content or the new, never a part, and a link at path is replaced, not followed.
bool replaceFileAtomically(const QString& path, const QByteArray& bytes);

// The home folder: $HOME, or the password database's entry when HOME is unset.
QString homeFolder();

// The system's words for an error number.
QString errorText(int error);

} // namespace platform
