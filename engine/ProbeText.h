#pragma once
#include <QString>
#include <optional>

namespace engine {

inline constexpr char16_t kInvalidData[] = u"Invalid data found when processing input";
inline constexpr char16_t kAudio[] = u"Audio";
inline constexpr char16_t kDurationMarker[] = u"Duration: ";

// The probe text with every echo of the probed path taken out, so a name such as
// "Audio/clip.mp4" cannot decide the test.
QString withoutPath(const QString& probeText, const QString& path);

// The encoder's own lines of a text it wrote: the values of metadata blocks and
// the language tag in stream lines are taken out, since tags hold any text,
// also the very words the accept test and the duration look for.
QString encoderOwnText(const QString& text);

// The encoder's own complete lines of its standard error as it arrives, in chunks
// cut anywhere: a dumped tag's value may come in a chunk of its own.
class OwnLines {
public:
    // The own lines a chunk completes (ended by a line feed or carriage return).
    QStringList feed(const QString& chunk);
    // The chunk last fed began in the middle of a line that is not the encoder's own.
    bool chunkBeganInForeignLine() const { return beganInForeign_; }

private:
    QString carry_;            // the start of a line not yet ended
    qsizetype blockIndent_ = -1; // inside a metadata block: the indent of its "Metadata:" line
    bool beganInForeign_ = false;
};

// The probe bytes as text. Tags may hold bytes that are not UTF-8; every word the
// program looks for is ASCII, so such bytes only become replacement characters.
QString decodeProbeBytes(const QByteArray& bytes);

// The last line of a diagnostic text that says something: no progress line, no
// indented dump line; empty when there is none.
QString lastDiagnosticLine(const QString& text);

// Length of the first "Invalid data found when processing input" (0 when absent).
qsizetype invalidDataRangeLength(const QString& probeText);

// Accepted when the text exists, lacks the invalid-data message and holds "Audio".
bool acceptsProbe(const std::optional<QString>& probeText);

// Characters after the first "Duration: " up to the first ","; none without the marker.
std::optional<QString> durationText(const QString& probeText);

// Whole seconds of a duration text cut to 32 bits; none when it cannot be read.
std::optional<qint32> durationSeconds(const QString& durationText);

} // namespace engine
