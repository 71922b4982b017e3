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

    // The folder's descriptor (-1 when not open); it stays ours.
    int descriptor() const { return fd_; }
    // What stands at the name, links not followed: a regular file's identity and size.
    struct Entry {
        FileId id;
        qint64 size = 0;
        bool regular = false;
        qint64 modifiedSecondsAgo = 0;
    };
    std::optional<Entry> entry(const QString& name) const;
    // Names of the folder's entries (not "." and ".."); empty when it cannot be read.
    QStringList names() const;
    // Creates a new file for reading and writing, exclusively and never through a
    // link, and locks it (an advisory lock held as long as the descriptor, or a
    // child's copy of it, is open). -1 with errno on failure.
    int createLocked(const QString& name) const;
    // Opens a regular file at the name without following a link and takes its lock
    // without waiting: the descriptor, or -1 when it is locked, is not a regular
    // file, or locks cannot be told here.
    int openIfUnlocked(const QString& name) const;
    // Removes the name only while it is still the regular file `id` (and empty, if asked).
    bool removeIfSame(const QString& name, const FileId& id, bool onlyIfEmpty) const;
    // Renames inside the folder, never replacing what stands at `to` (errno EEXIST).
    bool renameNoReplace(const QString& from, const QString& to) const;
    // Flushes the folder's entries to disk.
    bool sync() const;

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
    bool created = false; // made now, not there before
};
// Makes the folder when nothing is there; never follows a link at the path.
MadeFolder makeFolder(const QString& path);
// Removes a folder that is empty; never one with anything in it.
bool removeEmptyFolder(const QString& path);
// A folder of our own for this user, 0700, that no one else can write in (in
// $XDG_RUNTIME_DIR, else the temporary folder); empty when none can be had.
QString privateFolder();

// The identity of an open descriptor, and flushing it to disk.
std::optional<FileId> descriptorId(int fd);
std::optional<qint64> descriptorSize(int fd);
bool syncDescriptor(int fd);

// Bytes that can still be written on the file system holding path; none when
// that cannot be learned.
std::optional<qint64> availableBytes(const QString& path);

// The size of the regular file at path when it is still the file `id`; none otherwise.
std::optional<qint64> sizeIfSame(const QString& path, const FileId& id);

// The size of the regular file at path, links not followed; none otherwise.
std::optional<qint64> regularFileSize(const QString& path);

// Removes path only when it is still the regular file `id` (and empty, if asked).
bool removeIfSame(const QString& path, const FileId& id, bool onlyIfEmpty);

// The size of the regular file a path names, links followed; -1 for anything else.
qint64 inspectSize(const QString& path);

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
