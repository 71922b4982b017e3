#pragma once
#include <QString>
#include <QStringList>

#include <functional>

namespace engine {

// Stands between every two arguments inside the command text.
inline const QString kArgumentSeparator = QStringLiteral(" \"tavrel5293");
inline constexpr int kArgumentCount = 16;
inline const QString kOriginalFolder = QStringLiteral("Original Folder");

// The choices read from the window for one file.
struct ConversionSettings {
    QString format;        // output extension without the dot
    QString bitrate;       // kbit/s, no unit
    QString rate;          // Hz
    int channelIndex = 1;  // selected index; channels = index + 1
    QString outputChoice;  // "Original Folder" or anything else
    QString outputFolder;  // the chosen folder, ending in "/"
};

QString lastPathComponent(const QString& path);
QString deletingLastPathComponent(const QString& path);
QString deletingPathExtension(const QString& name);

// The input's folder followed by "/Converted/".
QString convertedFolder(const QString& inputPath);

using ExistsFn = std::function<bool(const QString&)>;
bool pathExists(const QString& path);

// Never a path that exists: " 1", " 2", ... are tried until a name is free.
QString outputPath(const QString& inputPath, const ConversionSettings& settings,
                   const ExistsFn& exists = pathExists);

QString commandText(const QString& encoderPath, const QString& inputPath, const QString& output,
                    const ConversionSettings& settings);

QStringList splitArguments(const QString& commandText);

} // namespace engine
