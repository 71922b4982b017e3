#pragma once
#include "engine/CommandLine.h"
#include "platform/FileSystem.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>
#include <optional>

namespace engine {

// A result name only ever holds a whole file. While the encoder works, the name
// holds an empty file of ours that keeps it taken (the reservation), and the
// encoder writes a hidden unfinished file beside it:
//   "a.mp3" is reserved, ".a.mp3.qelvanto-unfinished-1f2e.mp3" is written,
// where 1f2e is the reservation's inode. Only a file judged converted is
// flushed and renamed onto the name.
QString unfinishedName(const QString& resultName, const platform::FileId& reservation, int attempt = 0);
struct UnfinishedName {
    QString result;  // the result name it was meant for
    quint64 inode = 0; // that name's reservation
};
std::optional<UnfinishedName> parseUnfinishedName(const QString& name);

// What interrupted runs left in the folders of one batch: each folder is looked
// at once, its abandoned unfinished files are removed, and their empty
// reservations are handed to the first file of the batch that wants the name.
class LeftoverRecovery {
public:
    // Looks at the folder the first time only; the paths of what was removed.
    QStringList recover(const QString& folderPath, const platform::Folder& folder);
    bool reclaimable(const QString& folderPath, const QString& name);
    // Takes back an abandoned reservation at the name, once; its identity.
    std::optional<platform::FileId> reclaim(const QString& folderPath, const QString& name);

    // An unfinished file this young and still empty may be a live run's between
    // its creation and its lock.
    static constexpr int kYoungestAbandonedSeconds = 10;

private:
    std::mutex mutex_;
    QSet<QString> looked_;
    QHash<QString, QHash<QString, platform::FileId>> reclaimable_;
};

// A result in the making: its folder held open, the reservation of its name,
// and the unfinished file the encoder writes, held open and locked.
class ResultFile {
public:
    ResultFile(std::unique_ptr<platform::Folder> folder, QString folderPath, NameParts name, QString reserved,
               platform::FileId reservation);
    ~ResultFile();
    ResultFile(const ResultFile&) = delete;
    ResultFile& operator=(const ResultFile&) = delete;

    // The result's path as reserved, which the console and the list name.
    QString path() const { return folderPath_ + QLatin1Char('/') + reserved_; }
    QString unfinishedPath() const { return folderPath_ + QLatin1Char('/') + unfinished_; }
    // What the encoder is told to write: a link of ours to its descriptor 3,
    // which is the unfinished file itself, so no link swapped in on the way can
    // send it elsewhere; the unfinished file's path where no such link can be made.
    QString encoderPath() const { return encoderPath_; }
    // The unfinished file's descriptor, handed to the encoder as its descriptor 3.
    int descriptor() const { return fd_; }
    // The unfinished file's size as the descriptor sees it.
    std::optional<qint64> size() const;

    // Makes the unfinished file; false with errno on failure.
    bool createUnfinished();
    // The encoder will hold the file as its descriptor childFd (several outputs
    // in one run): the link is made anew for it; the encoder's path.
    QString relink(int childFd);
    // Flushed to disk and renamed onto its reserved name, or the next free one
    // when the reservation is no longer ours; the path, or none with errno.
    std::optional<QString> publish();
    // Not converted: the unfinished file and the reservation are removed while
    // they are still ours; true when the unfinished file held anything.
    bool discard();

private:
    void close();

    std::unique_ptr<platform::Folder> folder_;
    QString folderPath_;
    NameParts name_; // base relative to the folder, extension
    QString reserved_;
    platform::FileId reservation_;
    QString unfinished_;
    std::optional<platform::FileId> unfinishedId_;
    QString link_; // the private link, if one was made
    QString encoderPath_;
    int fd_ = -1;
};

// The first free result name, reserved, with its unfinished file made.
struct ReservedResult {
    std::shared_ptr<ResultFile> file; // none when it could not be made
    QString path;                     // the name chosen (or tried)
    int error = 0;                    // errno when there is no file
    QStringList recovered;            // leftovers of interrupted runs removed on the way
    bool encoderMayTry() const { return file || ReservedName{path, std::nullopt, error}.encoderMayTry(); }
};
ReservedResult reserveResult(const NameParts& name, bool folderMayBeLink, const QString& below,
                             LeftoverRecovery* recovery);

} // namespace engine
