#pragma once
#include <QByteArray>
#include <QString>

namespace engine {

// How long a synchronous run of the encoder may hold the window. A probe only
// reads a file's head; a decode run reads it whole.
inline constexpr int kProbeLimitMs = 60'000;
inline constexpr int kDecodeLimitMs = 600'000;

struct EncoderRun {
    bool launched = false;  // false: the encoder could not be started at all
    bool finished = true;   // false: it ran past its limit and was killed
    int status = -1;        // exit status; -1 when it could not be learned
    QByteArray errorBytes;  // its standard error (probe runs only)
    QString launchError;    // why it could not be started

    // The encoder started but cannot really run: the system's codes for a program
    // that could not be executed or lacks its libraries.
    bool cannotRun() const { return !launched || status == 126 || status == 127; }
};

// The probe run: the encoder with "-y", "-i", path; standard input /dev/null.
EncoderRun probeRun(const QString& encoderPath, const QString& path, int limitMs = kProbeLimitMs);

// The decode run into a WAV file: "-y", "-i", input, "-f", "wav", wavPath.
EncoderRun decodeRun(const QString& encoderPath, const QString& input, const QString& wavPath,
                     int limitMs = kDecodeLimitMs);

} // namespace engine
