#pragma once
#include "engine/CommandLine.h"
#include "engine/EncoderRuns.h"
#include "engine/Outcome.h"
#include "engine/ProbeText.h"
#include "platform/FileSystem.h"

#include <QList>
#include <optional>

namespace engine {

// ---- the decisions of a journey: pure, so they can be read and tested alone ----

// Before the probe: an input the encoder must never be given (a name text cannot
// hold, anything but a regular file, a file that cannot be opened, a list that
// names other files). None: go on.
std::optional<FileOutcome> decideInput(const QString& input, bool exactName, const platform::InputCheck& check);

// A file's first bytes look like a container or stream of audio the encoder
// reads: enough to let it join a run of several short files (what it holds is
// still told by the encoder alone).
bool looksLikeAudio(const QByteArray& head);
// Whether a file's first bytes open a WAV or AIFF file: plain samples, so its size
// tells its length.
bool holdsPlainSamples(const QByteArray& head);

// A playlist or concatenation list: the encoder would open the files it names
// (and one that names itself, for ever).
bool namesOtherFiles(const QByteArray& head);

// After the probe run.
struct ProbeDecision {
    enum Kind {
        EncoderUnusable, // the encoder itself cannot run: the batch stops
        SystemRefused,   // the system would not start it (no process, no descriptor): nothing is known
        LeftOut,         // the probe ran past its limit
        NotAudio,        // skipped quietly
        Accept,          // converted; durationText as the encoder stated it (none without one)
    } kind = NotAudio;
    QString reason;
    std::optional<QString> durationText;
};
ProbeDecision decideProbe(const EncoderRunResult& probe, const InputFacts& facts);

// What a file's dump adds to its command for the chosen format.
CommandExtras commandExtras(const InputFacts& facts, const QString& format);

// After the conversion: converted only with result code 0 and a file that is not empty.
struct EndFacts {
    int status = 0;
    bool stopRequested = false;
    std::optional<qint64> outputSize; // none: no regular file there
    bool sawNoSpace = false;
    QString lastDiagnosticLine;
    QString trouble; // what went wrong reading the input (troubleText), if anything
};
FileOutcome judgeEnd(const QString& input, const QString& output, const EndFacts& facts);

// A file system this close to full has no room for the rest of a conversion.
inline constexpr qint64 kNearlyFullBytes = 4 * 1024 * 1024;

// The whole batch's percentage: each file weighted by its duration where known,
// by the mean of the known ones where not; a finished file counts whole.
struct FileProgress {
    qint64 duration = -1; // whole seconds; -1 unknown (not probed yet)
    qint64 position = 0;  // seconds reached
    bool finished = false;
};
int batchPercent(const QList<FileProgress>& files);

} // namespace engine
