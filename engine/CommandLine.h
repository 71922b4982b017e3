#pragma once
#include <QString>
#include <QStringList>

#include "platform/FileSystem.h"

#include <functional>
#include <optional>

namespace engine {

// Stands between every two arguments inside the command text.
inline const QString kArgumentSeparator = QStringLiteral(" \"tavrel5293");
inline constexpr int kArgumentCount = 16;
// With a cover, "-vn" gives way to the eight arguments that keep it.
inline constexpr int kCoverArguments = 7;
inline const QString kOriginalFolder = QStringLiteral("Original Folder");

// The choices read from the window for one file.
struct ConversionSettings {
    QString format;        // output extension without the dot
    QString bitrate;       // kbit/s, no unit
    QString rate;          // Hz
    int channelIndex = 1;  // selected index; channels = index + 1
    QString outputChoice;  // "Original Folder" or anything else
    QString outputFolder;  // the chosen folder, ending in "/"
    bool keepFolders = false; // below a chosen folder, the dropped folders' tree
    bool skipExisting = false; // "If it exists": Skip a file whose result is there; else a new name
    bool splitCue = false;     // an album image with a cue sheet gives one result per track
};

// What cuts one track out of an album image: the input seeked to a whole second
// before it, then trimmed to its exact samples; its own tags over the image's.
struct TrackArgs {
    QString seek;                                   // whole seconds, before the input
    QString trim;                                   // the audio filter that cuts the samples
    QList<std::pair<QString, QString>> metadata;    // key, value
};

// What a file's own dump adds to its command: its tags live on its audio stream
// only; it has a cover picture (the stream's number) the format can carry.
struct CommandExtras {
    bool streamTags = false;
    int coverStream = -1;
    bool operator==(const CommandExtras&) const = default;
};
inline const QString kOpus = QStringLiteral("opus");
// Opus runs at 48000 Hz whatever the rate box says.
inline const QString kOpusRate = QStringLiteral("48000");
// The formats that hold a cover picture.
bool carriesCover(const QString& format);

// A combination of format, bitrate (kbit/s), sample rate (Hz) and channels that the
// encoder refuses, so that every file of a batch would fail: what to say of it.
std::optional<QString> refusedCombination(const QString& format, int bitrate, int rate, int channels);

QString lastPathComponent(const QString& path);
QString withoutTrailingSlashes(const QString& path);
QString deletingLastPathComponent(const QString& path);
QString deletingPathExtension(const QString& name);

// The input's folder followed by "/Converted/".
QString convertedFolder(const QString& inputPath);

using ExistsFn = std::function<bool(const QString&)>;
bool pathExists(const QString& path);

// A name to make free: base + extension, or base + " N" + extension.
struct NameParts {
    QString base;
    QString extension;
};
// subfolder: where the file came from below a dropped folder (kept with keepFolders).
NameParts outputName(const QString& inputPath, const ConversionSettings& settings, const QString& subfolder = {});
// The temporary WAV file of the duration fallback, in the input's Converted folder.
NameParts temporaryWavName(const QString& inputPath);

// Never a path that exists: " 1", " 2", ... are tried until a name is free.
QString firstFreeName(const NameParts& name, const ExistsFn& exists = pathExists);
QString outputPath(const QString& inputPath, const ConversionSettings& settings,
                   const ExistsFn& exists = pathExists);
// The folders between the chosen folder and the name (keepFolders), or none.
QString keptSubfolder(const ConversionSettings& settings, const QString& subfolder);

// The first free name, created empty and exclusively at once, so that nothing can
// take it between the choice and the write. `id` is none when it could not be
// created for another reason than a taken name (errno tells); the path is then
// the free name as chosen.
struct ReservedName {
    QString path;
    std::optional<platform::FileId> id;
    int error = 0; // errno when there is no id
    // The encoder may still be run on the name: it fails there with its own words,
    // since nobody else can create the file either.
    bool encoderMayTry() const;
};
// folderMayBeLink: the folder was chosen by the user, who may have chosen a link.
// below: folders to make inside it first ("A/B"), none of them followed if a link.
ReservedName reserveFreeName(const NameParts& name, bool folderMayBeLink = false, const QString& below = {});

QString commandText(const QString& encoderPath, const QString& inputPath, const QString& output,
                    const ConversionSettings& settings, const CommandExtras& extras = {}, const TrackArgs* track = nullptr);
int argumentCount(const CommandExtras& extras, const TrackArgs* track = nullptr);

QStringList splitArguments(const QString& commandText);

} // namespace engine
