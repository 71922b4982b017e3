#pragma once
#include <QString>
#include <QStringList>

#include <optional>
#include <sys/types.h>

namespace platform {

// Which file a path named when we looked: device and inode.
struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileId&) const = default;
};

// A folder held open, so that names are looked up and created in the folder that
// was checked, whatever happens to its path meanwhile.
class Folder {
public:
    // followLink false: a link at the path itself is refused (errno ELOOP or ENOTDIR).
    // below: folders inside it to make where missing and open in turn, never
    // through a link; the folder is then the last of them.
    Folder(const QString& path, bool followLink, const QStringList& below = {});
    ~Folder();
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    bool isOpen() const { return fd_ >= 0; }
    int error() const { return error_; }
    // Something stands at the name: a file, a folder, a link (also a broken one).
    bool has(const QString& name) const;
    // Creates an empty file where nothing exists, not even a broken link, and never
    // through a link. None when something was there (errno EEXIST) or on failure.
    std::optional<FileId> createExclusive(const QString& name) const;

private:
    int fd_ = -1;
    int error_ = 0;
};

// What stands at a folder path that was to be made: the folder, ready; a link or
// something else (left as it is); or nothing, because it could not be made.
enum class FolderState { Ready, Link, NotFolder, Unmade };
struct MadeFolder {
    FolderState state = FolderState::Ready;
    int error = 0; // errno, for Unmade
};
// Makes the folder when nothing is there; never follows a link at the path.
MadeFolder makeFolder(const QString& path);

// Bytes that can still be written on the file system holding path; none when
// that cannot be learned.
std::optional<qint64> availableBytes(const QString& path);

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
    QByteArray head; // a regular file's first bytes
};
// Follows links; opens nothing that is not a regular file, so a FIFO or a device
// cannot block or be disturbed. Reads the first headBytes of a regular file.
InputCheck inspectInput(const QString& path, qsizetype headBytes = 0);

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
