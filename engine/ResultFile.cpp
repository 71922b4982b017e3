#include "engine/ResultFile.h"

#include "platform/Log.h"
#include "platform/Task.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace engine {

namespace {
const QString kMarker = QStringLiteral(".qelvanto-unfinished-");

QString extensionOf(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.mid(dot) : QString();
}

// Links a killed run left in the private folder are ours and of no use: an
// encoder opens its output once, at its start.
void clearOldLinks(const QString& folder)
{
    static std::once_flag once;
    std::call_once(once, [&] {
        const platform::Folder dir(folder, false);
        for (const QString& name : dir.names())
            if (const auto e = dir.entry(name); e && !e->regular && e->modifiedSecondsAgo > 3600)
                ::unlinkat(dir.descriptor(), QFile::encodeName(name).constData(), 0);
    });
}
} // namespace

QString unfinishedName(const QString& resultName, const platform::FileId& reservation, int attempt)
{
    QString tag = QString::number(qulonglong(reservation.inode), 16);
    if (attempt > 0)
        tag += QLatin1Char('-') + QString::number(attempt);
    return QLatin1Char('.') + resultName + kMarker + tag + extensionOf(resultName);
}

std::optional<UnfinishedName> parseUnfinishedName(const QString& name)
{
    static const QRegularExpression shape(
        QStringLiteral("^\\.(.+)\\.qelvanto-unfinished-([0-9a-f]+)(?:-\\d+)?(\\.[^./]*)?$"));
    const auto m = shape.match(name);
    if (!m.hasMatch() || extensionOf(m.captured(1)) != m.captured(3))
        return std::nullopt;
    bool ok = false;
    const quint64 inode = m.captured(2).toULongLong(&ok, 16);
    if (!ok)
        return std::nullopt;
    return UnfinishedName{m.captured(1), inode};
}

QStringList LeftoverRecovery::recover(const QString& folderPath, const platform::Folder& folder)
{
    {
        std::lock_guard lock(mutex_);
        if (looked_.contains(folderPath))
            return {};
        looked_.insert(folderPath);
    }
    QStringList removed;
    QHash<QString, platform::FileId> reclaimable;
    for (const QString& name : folder.names()) {
        const auto parts = parseUnfinishedName(name);
        if (!parts)
            continue;
        // Abandoned only when we can take its lock: its writer and the writer's
        // encoder are gone.
        const int fd = folder.openIfUnlocked(name);
        if (fd < 0)
            continue;
        const auto e = folder.entry(name);
        const auto id = platform::descriptorId(fd);
        const bool young = e && e->size == 0 && e->modifiedSecondsAgo < kYoungestAbandonedSeconds;
        if (e && id && e->id == *id && !young && folder.removeIfSame(name, *id, false)) {
            removed << folderPath + QLatin1Char('/') + name;
            // Its reservation: the empty file it was made for, with that inode.
            if (const auto r = folder.entry(parts->result); r && r->regular && r->size == 0 && r->id.inode == parts->inode)
                reclaimable.insert(parts->result, r->id);
        }
        ::close(fd);
    }
    if (!reclaimable.isEmpty()) {
        std::lock_guard lock(mutex_);
        reclaimable_[folderPath].insert(reclaimable);
    }
    return removed;
}

bool LeftoverRecovery::reclaimable(const QString& folderPath, const QString& name)
{
    std::lock_guard lock(mutex_);
    const auto folder = reclaimable_.constFind(folderPath);
    return folder != reclaimable_.cend() && folder->contains(name);
}

std::optional<platform::FileId> LeftoverRecovery::reclaim(const QString& folderPath, const QString& name)
{
    std::lock_guard lock(mutex_);
    const auto folder = reclaimable_.find(folderPath);
    if (folder == reclaimable_.end())
        return std::nullopt;
    const auto it = folder->find(name);
    if (it == folder->end())
        return std::nullopt;
    const platform::FileId id = *it;
    folder->erase(it);
    return id;
}

ResultFile::ResultFile(std::unique_ptr<platform::Folder> folder, QString folderPath, NameParts name, QString reserved,
                       platform::FileId reservation)
    : folder_(std::move(folder)), folderPath_(std::move(folderPath)), name_(std::move(name)),
      reserved_(std::move(reserved)), reservation_(reservation)
{
}

ResultFile::~ResultFile()
{
    close();
}

void ResultFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!link_.isEmpty())
        ::unlink(QFile::encodeName(std::exchange(link_, QString())).constData());
}

std::optional<qint64> ResultFile::size() const
{
    return fd_ >= 0 ? platform::descriptorSize(fd_) : std::nullopt;
}

bool ResultFile::createUnfinished()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = unfinishedName(reserved_, reservation_, attempt);
        fd_ = folder_->createLocked(name);
        if (fd_ >= 0) {
            unfinished_ = name;
            unfinishedId_ = platform::descriptorId(fd_);
            break;
        }
        if (errno != EEXIST)
            return false;
    }
    if (fd_ < 0)
        return false;
    relink(platform::Task::kPassedDescriptor);
    return true;
}

QString ResultFile::relink(int childFd)
{
    if (!link_.isEmpty())
        ::unlink(QFile::encodeName(std::exchange(link_, QString())).constData());
    encoderPath_ = unfinishedPath();
    const QString folder = platform::privateFolder();
    if (folder.isEmpty())
        return encoderPath_;
    clearOldLinks(folder);
    // Named at random: the encoder's header names its output, and no tag written
    // before this run can hold a name made now.
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString random;
    for (int i = 0; i < 16; ++i)
        random += QLatin1Char(kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters - 1))]);
    const QString link = folder + QLatin1Char('/') + random + name_.extension;
    const QByteArray target = "/dev/fd/" + QByteArray::number(childFd);
    if (::symlink(target.constData(), QFile::encodeName(link).constData()) == 0) {
        link_ = link;
        encoderPath_ = link;
    }
    return encoderPath_;
}

std::optional<QString> ResultFile::publish()
{
    const auto fail = [this](int error) -> std::optional<QString> {
        discard();
        errno = error;
        return std::nullopt;
    };
    if (fd_ < 0 || !unfinishedId_)
        return fail(EBADF);
    if (!platform::syncDescriptor(fd_))
        return fail(errno);
    // Still at its name, and still ours: else what stands there is not what was judged.
    const auto e = folder_->entry(unfinished_);
    if (!e || !e->regular || e->id != *unfinishedId_)
        return fail(ENOENT);
    folder_->removeIfSame(reserved_, reservation_, true);
    QSet<QString> lost;
    const ExistsFn taken = [&](const QString& p) { return lost.contains(p) || folder_->has(lastPathComponent(p)); };
    const auto nextFree = [&] {
        return lastPathComponent(firstFreeName({name_.base, name_.extension}, [&](const QString& p) {
            return taken(lastPathComponent(p));
        }));
    };
    // The lowest name free now: a file before it in the batch that turned out not
    // to be audio gave its name back, and this result is not pushed to " 1".
    QString target = nextFree();
    for (;;) {
        if (folder_->renameNoReplace(unfinished_, target))
            break;
        if (errno != EEXIST)
            return fail(errno);
        // The reservation is no longer ours: the next free name, as ever.
        lost.insert(target);
        target = nextFree();
    }
    unfinished_.clear();
    folder_->sync();
    close();
    return folderPath_ + QLatin1Char('/') + target;
}

bool ResultFile::discard()
{
    const std::optional<qint64> written = size();
    if (unfinishedId_ && !unfinished_.isEmpty())
        folder_->removeIfSame(unfinished_, *unfinishedId_, false);
    unfinished_.clear();
    folder_->removeIfSame(reserved_, reservation_, true);
    close();
    return written && *written > 0;
}

ReservedResult reserveResult(const NameParts& name, bool folderMayBeLink, const QString& below,
                             LeftoverRecovery* recovery)
{
    const qsizetype slash = name.base.lastIndexOf(QLatin1Char('/'));
    const QString folderPath = slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : name.base.left(slash);
    QString opened = folderPath;
    // The folders kept from the drop are made below the chosen one, never through a link.
    if (!below.isEmpty() && opened.endsWith(below))
        opened.chop(below.size() + 1);
    auto folder = std::make_unique<platform::Folder>(opened, folderMayBeLink || !below.isEmpty(),
                                                     below.isEmpty() ? QStringList() : below.split(QLatin1Char('/')));
    ReservedResult result;
    if (!folder->isOpen()) {
        result.path = name.base + name.extension;
        result.error = folder->error();
        return result;
    }
    if (recovery)
        result.recovered = recovery->recover(folderPath, *folder);
    const NameParts local{lastPathComponent(name.base), name.extension};
    QSet<QString> lost; // taken between the look and the creation
    // An empty reservation an interrupted run of ours left is no taken name: the
    // result gets the name that run meant for it.
    const auto reclaimable = [&](const QString& n) { return recovery && recovery->reclaimable(folderPath, n); };
    const ExistsFn taken = [&](const QString& p) {
        const QString n = lastPathComponent(p);
        return lost.contains(n) || (folder->has(n) && !reclaimable(n));
    };
    for (;;) {
        const QString candidate = lastPathComponent(firstFreeName(local, taken));
        std::optional<platform::FileId> id = folder->createExclusive(candidate);
        const int error = errno;
        if (!id && error == EEXIST && recovery) {
            if (const auto left = recovery->reclaim(folderPath, candidate)) {
                const auto e = folder->entry(candidate);
                if (e && e->regular && e->size == 0 && e->id == *left)
                    id = left;
            }
        }
        if (!id && error != EEXIST) {
            result.path = folderPath + QLatin1Char('/') + candidate;
            result.error = error;
            return result;
        }
        if (!id) {
            lost.insert(candidate);
            continue;
        }
        auto file = std::make_shared<ResultFile>(std::move(folder), folderPath, local, candidate, *id);
        result.path = file->path();
        if (!file->createUnfinished()) {
            result.error = errno;
            file->discard();
            return result;
        }
        result.file = std::move(file);
        return result;
    }
}

} // namespace engine
