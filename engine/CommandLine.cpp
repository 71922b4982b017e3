#include "engine/CommandLine.h"

#include <QFileInfo>
#include <QSet>

#include <cerrno>

namespace engine {

namespace {
QString withoutTrailingSlashes(const QString& path)
{
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p;
}
} // namespace

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

NameParts outputName(const QString& inputPath, const ConversionSettings& settings)
{
    const QString folder = settings.outputChoice == kOriginalFolder ? convertedFolder(inputPath)
                                                                     : settings.outputFolder;
    return {folder + deletingPathExtension(lastPathComponent(inputPath)), QLatin1Char('.') + settings.format};
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

ReservedName reserveFreeName(const NameParts& name, bool folderMayBeLink)
{
    const qsizetype slash = name.base.lastIndexOf(QLatin1Char('/'));
    const QString folderPath = slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : name.base.left(slash);
    // Looked up and created in the folder as it was opened, never through a link there.
    const platform::Folder folder(folderPath, folderMayBeLink);
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
    return id || error == ENOENT || error == ENOTDIR || error == EACCES || error == EPERM || error == EROFS;
}

QString commandText(const QString& encoderPath, const QString& inputPath, const QString& output,
                    const ConversionSettings& s)
{
    const QString& sep = kArgumentSeparator;
    return encoderPath + sep + QStringLiteral("-y") + sep + QStringLiteral("-i") + sep + inputPath
         + sep + QStringLiteral("-map_metadata") + sep + QStringLiteral("0") + sep
         + QStringLiteral("-id3v2_version") + sep + QStringLiteral("3")
         + sep + QStringLiteral("-ab") + sep + s.bitrate + QStringLiteral("k")
         + sep + QStringLiteral("-ar") + sep + s.rate
         + sep + QStringLiteral("-ac") + sep + QString::number(s.channelIndex + 1)
         + sep + QStringLiteral("-vn") + sep + output;
}

QStringList splitArguments(const QString& commandText)
{
    return commandText.split(kArgumentSeparator);
}

} // namespace engine
