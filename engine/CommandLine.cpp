#include "engine/CommandLine.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

#include <cerrno>

namespace engine {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};
} // namespace

QString withoutTrailingSlashes(const QString& path)
{
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p;
}

QString lastPathComponent(const QString& path)
{
    const QString p = withoutTrailingSlashes(path);
    if (p == QLatin1String("/"))
        return p;
    return p.mid(p.lastIndexOf(QLatin1Char('/')) + 1);
}

QString deletingLastPathComponent(const QString& path)
{
    const QString p = withoutTrailingSlashes(path);
    const qsizetype slash = p.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QString();
    if (slash == 0)
        return QStringLiteral("/");
    return p.left(slash);
}

QString deletingPathExtension(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    // A leading dot names a hidden file; it is no extension.
    if (dot <= 0)
        return name;
    return name.left(dot);
}

QString convertedFolder(const QString& inputPath)
{
    return deletingLastPathComponent(inputPath) + QStringLiteral("/Converted/");
}

bool pathExists(const QString& path)
{
    // A dangling link is a name that is taken too.
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

QString keptSubfolder(const ConversionSettings& settings, const QString& subfolder)
{
    return settings.keepFolders && settings.outputChoice != kOriginalFolder ? subfolder : QString();
}

NameParts outputName(const QString& inputPath, const ConversionSettings& settings, const QString& subfolder)
{
    QString folder = settings.outputChoice == kOriginalFolder ? convertedFolder(inputPath) : settings.outputFolder;
    if (const QString kept = keptSubfolder(settings, subfolder); !kept.isEmpty())
        folder += kept + QLatin1Char('/');
    return {folder + deletingPathExtension(lastPathComponent(inputPath)), QLatin1Char('.') + settings.format};
}

std::optional<QString> refusedCombination(const QString& format, int bitrate, int rate, int channels)
{
    // Measured with the encoder over every choice the boxes offer.
    struct Limit {
        const char* format;
        int channels; // 0: either
        int rate;     // 0: any
        int above;    // refused above this bitrate; -1: at any bitrate
    };
    static const Limit limits[] = {
        {"ogg", 1, 22050, 64}, {"ogg", 1, 32000, 160}, {"ogg", 1, 44100, 224}, {"ogg", 1, 48000, 224},
        {"ogg", 2, 22050, 160}, {"ac3", 0, 22050, -1},  {"opus", 1, 0, 256},
    };
    for (const Limit& l : limits) {
        if (format != QLatin1String(l.format) || (l.channels && l.channels != channels) || (l.rate && l.rate != rate)
            || bitrate <= l.above)
            continue;
        if (l.above < 0)
            return (channels == 1 ? Words::tr("The encoder does not take %1 mono at %2 Hz: every file would fail.")
                                  : Words::tr("The encoder does not take %1 stereo at %2 Hz: every file would fail."))
                .arg(format)
                .arg(rate);
        return (channels == 1
                    ? Words::tr("The encoder does not take %1 mono at %2 Hz above %3 kbit/s: every file would fail.")
                    : Words::tr("The encoder does not take %1 stereo at %2 Hz above %3 kbit/s: every file would fail."))
            .arg(format)
            .arg(rate)
            .arg(l.above);
    }
    return std::nullopt;
}

bool carriesCover(const QString& format)
{
    return format == QLatin1String("mp3") || format == QLatin1String("m4a") || format == QLatin1String("flac");
}

NameParts temporaryWavName(const QString& inputPath)
{
    return {convertedFolder(inputPath) + deletingPathExtension(lastPathComponent(inputPath)), QStringLiteral(".tmp")};
}

QString firstFreeName(const NameParts& name, const ExistsFn& exists)
{
    QString candidate = name.base + name.extension;
    for (qint64 n = 1; exists(candidate); ++n)
        candidate = name.base + QStringLiteral(" %1").arg(n) + name.extension;
    return candidate;
}

QString outputPath(const QString& inputPath, const ConversionSettings& settings, const ExistsFn& exists)
{
    return firstFreeName(outputName(inputPath, settings), exists);
}

ReservedName reserveFreeName(const NameParts& name, bool folderMayBeLink, const QString& below)
{
    const qsizetype slash = name.base.lastIndexOf(QLatin1Char('/'));
    QString folderPath = slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : name.base.left(slash);
    // The folders kept from the drop are made below the chosen one, never through a link.
    if (!below.isEmpty() && folderPath.endsWith(below))
        folderPath.chop(below.size() + 1);
    // Looked up and created in the folder as it was opened, never through a link there.
    const platform::Folder folder(folderPath, folderMayBeLink || !below.isEmpty(),
                                  below.isEmpty() ? QStringList() : below.split(QLatin1Char('/')));
    if (!folder.isOpen())
        return {name.base + name.extension, std::nullopt, folder.error()};
    QSet<QString> lost; // taken between the look and the creation
    const ExistsFn taken = [&](const QString& p) { return lost.contains(p) || folder.has(lastPathComponent(p)); };
    for (;;) {
        const QString candidate = firstFreeName(name, taken);
        if (auto id = folder.createExclusive(lastPathComponent(candidate)))
            return {candidate, id, 0};
        if (errno != EEXIST)
            return {candidate, std::nullopt, errno};
        lost.insert(candidate);
    }
}

bool ReservedName::encoderMayTry() const
{
    // Never ELOOP: the encoder would write through the link.
    return id || error == ENOENT || error == ENOTDIR || error == EACCES || error == EPERM || error == EROFS;
}

QString commandText(const QString& encoderPath, const QString& inputPath, const QString& output,
                    const ConversionSettings& s, const CommandExtras& extras, const TrackArgs* track)
{
    const QString& sep = kArgumentSeparator;
    // Tags on the audio stream alone are that stream's; the cover is kept as a picture.
    const QString tags = extras.streamTags ? QStringLiteral("0:s:a:0") : QStringLiteral("0");
    const QString video = extras.coverStream < 0
        ? QStringLiteral("-vn")
        : QStringList{QStringLiteral("-map"), QStringLiteral("0:a:0"), QStringLiteral("-map"),
                      QStringLiteral("0:%1?").arg(extras.coverStream), QStringLiteral("-c:v"), QStringLiteral("copy"),
                      QStringLiteral("-disposition:v:0"), QStringLiteral("attached_pic")}
              .join(sep);
    QString seek, cut;
    if (track) {
        seek = QStringLiteral("-ss") + sep + track->seek + sep;
        cut = sep + QStringLiteral("-af") + sep + track->trim;
        for (const auto& [key, value] : track->metadata)
            cut += sep + QStringLiteral("-metadata") + sep + key + QLatin1Char('=') + value;
    }
    return encoderPath + sep + QStringLiteral("-y") + sep + seek + QStringLiteral("-i") + sep + inputPath
         + sep + QStringLiteral("-map_metadata") + sep + tags + cut + sep
         + QStringLiteral("-id3v2_version") + sep + QStringLiteral("3")
         + sep + QStringLiteral("-ab") + sep + s.bitrate + QStringLiteral("k")
         + sep + QStringLiteral("-ar") + sep + (s.format == kOpus ? kOpusRate : s.rate)
         + sep + QStringLiteral("-ac") + sep + QString::number(s.channelIndex + 1)
         + sep + video + sep + output;
}

int argumentCount(const CommandExtras& extras, const TrackArgs* track)
{
    return kArgumentCount + (extras.coverStream < 0 ? 0 : kCoverArguments)
         + (track ? 4 + 2 * int(track->metadata.size()) : 0);
}

QStringList splitArguments(const QString& commandText)
{
    return commandText.split(kArgumentSeparator);
}

} // namespace engine
