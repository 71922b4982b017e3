#pragma once
#include <QString>
#include <optional>

namespace engine {

// The probe run: the encoder with "-y", "-i", path. Its standard error, decoded
// as UTF-8; none when the bytes are not UTF-8 or the encoder could not be run.
std::optional<QString> probeRun(const QString& encoderPath, const QString& path);

// The decode run into a WAV file: "-y", "-i", input, "-f", "wav", wavPath.
void decodeRun(const QString& encoderPath, const QString& input, const QString& wavPath);

} // namespace engine
