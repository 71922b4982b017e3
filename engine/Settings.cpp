#include "engine/Settings.h"

#include "engine/TimeString.h"
#include "platform/FileSystem.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>

#include <algorithm>

namespace settings {

QString settingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Qelvanto");
}

QString settingFilePath()
{
    return settingsFolder() + QStringLiteral("/setting.dat");
}

QString folderFilePath()
{
    return settingsFolder() + QStringLiteral("/folder.dat");
}

QString jobsFilePath()
{
    return settingsFolder() + QStringLiteral("/jobs.dat");
}

QString windowFilePath()
{
    return settingsFolder() + QStringLiteral("/window.dat");
}

QString ifExistsFilePath()
{
    return settingsFolder() + QStringLiteral("/ifexists.dat");
}

QString cueFilePath()
{
    return settingsFolder() + QStringLiteral("/cue.dat");
}

QString keepFoldersFilePath()
{
    return settingsFolder() + QStringLiteral("/keepfolders.dat");
}

std::optional<std::optional<QString>> echoAndRead(const QString& path, std::FILE* out)
{
    // A FIFO, a device or a link there, or a file grown large, reads as absent.
    const auto bytes = platform::readSmallRegularFile(path, kMostFileBytes);
    if (!bytes)
        return std::nullopt;
    // Ends at a byte 0xFF as at the end: both have all low 8 bits set.
    const qsizetype end = bytes->indexOf('\xff');
    std::fwrite(bytes->constData(), 1, size_t(end < 0 ? bytes->size() : end), out);
    std::fflush(out);
    return platform::decode(*bytes, platform::UTF8StringEncoding);
}

std::array<std::optional<qint64>, 4> parseSelections(const std::optional<QString>& text)
{
    std::array<std::optional<qint64>, 4> result;
    if (!text) {
        result.fill(0);
        return result;
    }
    const QStringList fields = text->split(QLatin1Char(','));
    for (int i = 0; i < 4 && i < fields.size(); ++i)
        result[size_t(i)] = engine::integerValue(fields[i]);
    return result;
}

QString formatSelections(qint64 format, qint64 bitrate, qint64 rate, qint64 channel)
{
    return QStringLiteral("%1,%2,%3,%4").arg(format).arg(bitrate).arg(rate).arg(channel);
}

std::optional<std::array<std::optional<qint64>, 4>> readSelections()
{
    const auto bytes = platform::readSmallRegularFile(settingFilePath(), kMostFileBytes);
    if (!bytes)
        return std::nullopt;
    return parseSelections(platform::decode(*bytes, platform::UTF8StringEncoding));
}

bool showFolderFromText(const std::optional<QString>& text)
{
    return !(text && *text == QLatin1String("NO"));
}

bool saveSelections(const QString& text)
{
    QDir().mkpath(settingsFolder());
    return platform::replaceFileAtomically(settingFilePath(), text.toUtf8());
}

int jobsFromText(const std::optional<QString>& text, int most)
{
    static const QRegularExpression decimal(QRegularExpression::anchoredPattern(QStringLiteral("[1-9][0-9]{0,8}")));
    if (!text || !decimal.match(*text).hasMatch())
        return 1;
    const int jobs = text->toInt();
    return jobs <= most ? jobs : 1;
}

int readJobs(int most)
{
    const auto bytes = platform::readSmallRegularFile(jobsFilePath(), kMostFileBytes);
    return jobsFromText(bytes ? platform::decode(*bytes, platform::UTF8StringEncoding) : std::nullopt, most);
}

bool saveJobs(int jobs)
{
    QDir().mkpath(settingsFolder());
    return platform::replaceFileAtomically(jobsFilePath(), QByteArray::number(jobs));
}

std::optional<QRect> windowRectFromText(const std::optional<QString>& text)
{
    static const QRegularExpression place(
        QRegularExpression::anchoredPattern(QStringLiteral("(-?[0-9]{1,6}),(-?[0-9]{1,6}),([1-9][0-9]{0,5}),([1-9][0-9]{0,5})")));
    const QRegularExpressionMatch m = text ? place.match(*text) : QRegularExpressionMatch();
    if (!m.hasMatch())
        return std::nullopt;
    return QRect(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
}

QString formatWindowRect(const QRect& rect)
{
    return QStringLiteral("%1,%2,%3,%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

std::optional<QRect> readWindowRect()
{
    const auto bytes = platform::readSmallRegularFile(windowFilePath(), kMostFileBytes);
    return windowRectFromText(bytes ? platform::decode(*bytes, platform::UTF8StringEncoding) : std::nullopt);
}

bool saveWindowRect(const QRect& rect)
{
    QDir().mkpath(settingsFolder());
    return platform::replaceFileAtomically(windowFilePath(), formatWindowRect(rect).toUtf8());
}

bool readKeepFolders()
{
    return platform::readSmallRegularFile(keepFoldersFilePath(), kMostFileBytes) == QByteArray("1");
}

bool saveKeepFolders(bool keep)
{
    QDir().mkpath(settingsFolder());
    return platform::replaceFileAtomically(keepFoldersFilePath(), keep ? "1" : "0");
}

bool writeFolderReminderOff()
{
    QDir().mkpath(settingsFolder());
    // Never through a link: one there would have its target truncated.
    return platform::writeFileNoFollow(folderFilePath(), QByteArrayLiteral("NO"));
}

bool readSkipExisting()
{
    return platform::readSmallRegularFile(ifExistsFilePath(), kMostFileBytes) == QByteArray("skip");
}

bool saveSkipExisting(bool skip)
{
    QDir().mkpath(settingsFolder());
    return platform::replaceFileAtomically(ifExistsFilePath(), skip ? "skip" : "rename");
}

bool readSplitCue()
{
    return platform::readSmallRegularFile(cueFilePath(), kMostFileBytes) == QByteArray("1");
}

bool saveSplitCue(bool split)
{
    QDir().mkpath(settingsFolder());
    return platform::replaceFileAtomically(cueFilePath(), split ? "1" : "0");
}

int maxJobs()
{
    return std::max(1, QThread::idealThreadCount());
}

SavedChoices readSavedChoices(int cores, std::FILE* echo)
{
    SavedChoices saved;
    std::optional<std::array<std::optional<qint64>, 4>> fields;
    if (echo) {
        if (auto text = echoAndRead(settingFilePath(), echo))
            fields = parseSelections(*text);
        if (auto text = echoAndRead(folderFilePath(), echo))
            saved.showFolder = showFolderFromText(*text);
    } else {
        fields = readSelections();
    }
    if (fields) {
        int* indexes[4] = {&saved.format, &saved.bitrate, &saved.rate, &saved.channel};
        const qsizetype sizes[4] = {engine::kFormats.size(), engine::kBitrates.size(), engine::kRates.size(),
                                    engine::kChannels.size()};
        // An index outside its list would leave a box without a choice: the default stays.
        for (size_t i = 0; i < 4; ++i)
            if (const auto& f = (*fields)[i]; f && *f >= 0 && *f < sizes[i])
                *indexes[i] = int(*f);
    }
    saved.jobs = readJobs(cores);
    saved.keepFolders = readKeepFolders();
    saved.skipExisting = readSkipExisting();
    saved.splitCue = readSplitCue();
    return saved;
}

} // namespace settings
