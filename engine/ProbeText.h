#pragma once
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace engine {

inline constexpr char16_t kInvalidData[] = u"Invalid data found when processing input";
inline constexpr char16_t kDurationMarker[] = u"Duration: ";
inline constexpr char16_t kNoSpace[] = u"No space left on device";

// A path as the encoder prints it: it replaces most control characters by "?".
QString asEncoderPrintsIt(const QString& path);

// The text with every echo of the path taken out, so a name such as
// "Audio/clip.mp4" cannot decide anything.
QString withoutPath(const QString& text, const QString& path);

// The same, for a text that arrives in pieces: an echo cut between two pieces is
// still found. What feed() gives back is final; finish() gives the rest.
class PathEchoFilter {
public:
    explicit PathEchoFilter(QStringList paths);
    QString feed(const QString& piece);
    QString finish();

private:
    QStringList paths_; // longest first
    qsizetype keep_ = 0; // what may be the start of an echo cut off
    QString pending_;
};

// The encoder's own lines of a text it wrote: the values of metadata blocks and
// the language tag in stream lines are taken out, since tags hold any text,
// also the very words the program looks for.
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
    QString carry_;              // the start of a line not yet ended
    qsizetype blockIndent_ = -1; // inside a metadata block: the indent of its "Metadata:" line
    bool beganInForeign_ = false;
};

// The bytes the encoder wrote as text. Tags and names may hold bytes that are not
// UTF-8; every word the program looks for is ASCII, so such bytes only become
// replacement characters.
QString decodeProbeBytes(const QByteArray& bytes);
// The same for bytes that arrive in pieces (a character may be cut between two):
// the text is the same wherever the pieces were cut. A sequence cut at a piece's
// end waits for the next piece.
class LenientDecoder {
public:
    QString decode(const QByteArray& piece);

private:
    QByteArray held_;
};

// What the encoder's dump of an input says, read only from lines of the dump's own
// shape at their own place: the header naming exactly this input, the one
// duration line under it, the stream lines.
struct InputFacts {
    bool opened = false; // the header of this input is there: the encoder could read it
    bool audio = false;  // a stream that every line of its number calls Audio
    int audioStreams = 0; // how many streams a line calls Audio
    int sampleRate = 0;   // of the first audio stream, as its line states it
    std::optional<QString> durationText; // of the one duration line; none without one (or with several)
    bool containerTags = false;   // tags of the file itself
    bool audioStreamTags = false; // tags of the first audio stream (besides the encoder's own)
    bool attachedPicture = false; // a picture stream such as a cover
    int pictureStream = -1;       // its number
};
// endHeaderPath: where the dump of this input ends, the output header naming that
// path (a conversion's text); empty: the text's end (a probe's).
// index: the input's number in a run of several ("Input #2, ...").
InputFacts parseInputDump(const QString& text, const QString& inputPath, const QString& endHeaderPath = {},
                          int index = 0);
// Where the header of input `index` naming this path starts in text, or -1.
qsizetype inputHeaderStart(const QString& text, const QString& inputPath, int index, qsizetype from = 0);
// A verbose run's last words of output `index`, named by its path: how many
// samples were encoded into it; none without them.
std::optional<qint64> encodedSamples(const QString& text, const QString& outputPath, int index);

// Where the output header naming this path ends in text, or -1.
qsizetype outputHeaderEnd(const QString& text, const QString& outputPath, qsizetype from = 0, int index = 0);

// The last line of a diagnostic text that says something: no progress line, no
// indented dump line; empty when there is none.
QString lastDiagnosticLine(const QString& text);

// Length of the first "Invalid data found when processing input" (0 when absent).
qsizetype invalidDataRangeLength(const QString& probeText);

// Whole seconds of a duration text cut to 32 bits; none when it cannot be read.
std::optional<qint32> durationSeconds(const QString& durationText);

// A progress line of the conversion ("size= ... time=T bitrate=... speed=Sx"):
// the time text and the speed; none for any other line.
struct ProgressLine {
    QString time;
    double speed = 0; // 0: not stated
};
std::optional<ProgressLine> progressLine(const QString& line);

// Seconds of a time text "HH:MM:SS.cc", with its fraction; none for another shape.
std::optional<double> preciseSeconds(const QString& timeText);

// What went wrong while a conversion read its input, though it ended with 0; the
// words for a person ("only 0:23 of 1:00 could be read; 1 error while
// decoding"), empty when nothing did. stated: the duration the encoder stated
// for the input (none when it did not, or only estimated it); reached: the last
// position it reported.
struct ReadingTrouble {
    int decodeErrors = 0;
    int backwards = 0; // times the timestamps ran backwards
    std::optional<double> stated;
    std::optional<double> reached;
};
QString troubleText(const ReadingTrouble& trouble);
// "0:23", "1:00", "1:02:03".
QString clockText(qint64 seconds);

// What the conversion wrote, for judging its end: the input's dump (tags and all)
// ends at the output's header, which names the output exactly; only what the
// encoder says after it counts, and a line that also stands among the dumped tags
// proves nothing. The paths it echoes are taken out first.
class ConversionText {
public:
    // tagLines: lines of the probe's text that hold the marker texts (tags, since
    // a probe writes nothing).
    ConversionText(const QString& input, const QString& output, QSet<QString> tagLines = {});
    void feed(const QByteArray& bytes);
    void finish(); // then the judgement below holds

    // The input's dump up to and including the output's header, once that came.
    bool outputHeaderSeen() const { return headerEnd_ >= 0; }
    QString dump() const { return head_; }
    // "No space left on device" in a line of the encoder's own after the dump.
    bool noSpaceSaid() const { return noSpaceSaid_; }
    // ... only in lines that a tag could have put there too.
    bool noSpaceOnlyInTagLines() const { return noSpaceInTagLine_ && !noSpaceSaid_; }
    const QString& lastDiagnosticLine() const { return lastLine_; }
    // The piece last fed began inside a line that is not the encoder's own.
    bool pieceBeganInForeignLine() const { return rawLines_.chunkBeganInForeignLine(); }
    std::optional<qint64> position() const { return position_; }
    double speed() const { return speed_; }
    // After finish(): what went wrong while the input was read.
    const ReadingTrouble& trouble() const { return trouble_; }
    // What the output should hold, when it is not the input's whole length (a track cut from an image).
    void setExpectedSeconds(double seconds) { expected_ = seconds; }

    static constexpr qsizetype kMostHead = 8 * 1024 * 1024; // a dump of tags may be long
    static constexpr qsizetype kMostAfter = 256 * 1024;

private:
    void keep(const QString& text);
    void judge();
    void take(const QStringList& lines);
    void said(const QStringList& lines);

    QString input_, output_;
    LenientDecoder decoder_;
    PathEchoFilter paths_;
    OwnLines lines_;    // without the paths: the progress
    OwnLines rawLines_; // as written: the last words
    QSet<QString> tagLines_;
    QString head_;
    qsizetype headerEnd_ = -1;
    QString afterStart_, afterEnd_;
    bool noSpaceSaid_ = false;
    bool noSpaceInTagLine_ = false;
    QString lastLine_;
    std::optional<qint64> position_;
    std::optional<double> reached_;
    double speed_ = 0;
    QHash<QString, int> troubleLines_; // line -> how often it came
    std::optional<double> expected_;
    ReadingTrouble trouble_;
};

// The lines of a probe text that hold the texts a conversion's end is judged by.
QSet<QString> markerLines(const QString& ownText);

} // namespace engine
