#include "engine/ProbeText.h"
#include "engine/TimeString.h"
#include "platform/Log.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <stdexcept>

namespace engine {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ProbeText)
};
} // namespace

QString asEncoderPrintsIt(const QString& path)
{
    QString printed = path;
    for (QChar& c : printed)
        if (c.unicode() < 0x08 || (c.unicode() > 0x0d && c.unicode() < 0x20))
            c = QLatin1Char('?');
    return printed;
}

QString withoutPath(const QString& text, const QString& path)
{
    if (path.isEmpty())
        return text;
    QString stripped = text;
    return stripped.remove(path);
}

PathEchoFilter::PathEchoFilter(QStringList paths)
{
    paths.removeAll(QString());
    std::sort(paths.begin(), paths.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    paths_ = paths;
    for (const QString& p : paths_)
        keep_ = std::max(keep_, p.size() - 1);
}

QString PathEchoFilter::feed(const QString& piece)
{
    pending_ += piece;
    for (const QString& p : std::as_const(paths_))
        pending_.remove(p);
    const qsizetype ready = std::max<qsizetype>(0, pending_.size() - keep_);
    const QString out = pending_.left(ready);
    pending_.remove(0, ready);
    return out;
}

QString PathEchoFilter::finish()
{
    QString rest;
    rest.swap(pending_);
    return rest;
}

namespace {
qsizetype indentOf(const QString& line)
{
    qsizetype indent = 0;
    while (indent < line.size() && line.at(indent) == QLatin1Char(' '))
        ++indent;
    return indent;
}

// One line through the metadata-block filter: the line as the encoder's own, or
// none when it belongs to a dumped tag.
std::optional<QString> ownLine(const QString& line, qsizetype& blockIndent)
{
    static const QRegularExpression streamLanguage(
        QStringLiteral("^( *Stream #\\d+:\\d+(?:\\[[^\\]]*\\])?)\\((.*)\\)(: [A-Z][a-z]+(?::.*)?)$"));
    const qsizetype indent = indentOf(line);
    if (blockIndent >= 0 && indent > blockIndent)
        return std::nullopt;
    blockIndent = -1;
    const QStringView content = QStringView(line).mid(indent);
    if (content == QLatin1String("Metadata:") || content == QLatin1String("Metadata:\r")) {
        blockIndent = indent;
        return line;
    }
    if (content.startsWith(QLatin1String("Stream #"))) {
        const auto m = streamLanguage.match(line);
        if (m.hasMatch())
            return m.captured(1) + m.captured(3);
    }
    return line;
}

// The first line at a line start of the form "PREFIX FORMAT, WORD 'PATH':": the
// header the encoder prints for an input ("from") or an output ("to"). Returns the
// position just after it, or -1.
qsizetype headerEnd(const QString& text, const QString& prefix, const QString& word, const QString& path,
                    qsizetype from = 0)
{
    static const QRegularExpression format(QStringLiteral("^[A-Za-z0-9_,-]+$"));
    const QString tail = QStringLiteral(", %1 '%2':").arg(word, asEncoderPrintsIt(path));
    for (qsizetype at = text.indexOf(tail, from); at >= 0; at = text.indexOf(tail, at + 1)) {
        const qsizetype end = at + tail.size();
        if (end >= text.size() || (text.at(end) != QLatin1Char('\n') && text.at(end) != QLatin1Char('\r')))
            continue;
        const qsizetype lineStart = text.lastIndexOf(QLatin1Char('\n'), at) + 1;
        const QStringView line = QStringView(text).mid(lineStart, at - lineStart);
        if (line.startsWith(prefix) && format.match(line.mid(prefix.size())).hasMatch())
            return end;
    }
    return -1;
}

// Keys the encoder writes itself, which are no one's tags.
bool isTechnicalKey(const QString& key)
{
    static const QSet<QString> keys{QStringLiteral("encoder"), QStringLiteral("duration"), QStringLiteral("handler_name"),
                                    QStringLiteral("vendor_id"), QStringLiteral("language"),
                                    QStringLiteral("creation_time"), QStringLiteral("major_brand"),
                                    QStringLiteral("minor_version"), QStringLiteral("compatible_brands")};
    return keys.contains(key.toLower());
}
} // namespace

qsizetype outputHeaderEnd(const QString& text, const QString& outputPath, qsizetype from, int index)
{
    return headerEnd(text, QStringLiteral("Output #%1, ").arg(index), QStringLiteral("to"), outputPath, from);
}

qsizetype inputHeaderStart(const QString& text, const QString& inputPath, int index, qsizetype from)
{
    const QString prefix = QStringLiteral("Input #%1, ").arg(index);
    const qsizetype end = headerEnd(text, prefix, QStringLiteral("from"), inputPath, from);
    return end < 0 ? -1 : text.lastIndexOf(prefix, end);
}

std::optional<qint64> encodedSamples(const QString& text, const QString& outputPath, int index)
{
    // The last words of a verbose run, which name the output: no tag can hold a name made for this run.
    const QString head = QStringLiteral("\nOutput file #%1 (%2):\n").arg(index).arg(asEncoderPrintsIt(outputPath));
    const qsizetype at = text.lastIndexOf(head);
    if (at < 0)
        return std::nullopt;
    static const QRegularExpression stream(
        QStringLiteral("^  Output stream #\\d+:0 \\(audio\\): \\d+ frames encoded \\((\\d+) samples\\);"));
    const qsizetype lineStart = at + head.size();
    const auto m = stream.match(QStringView(text).mid(lineStart, text.indexOf(QLatin1Char('\n'), lineStart) - lineStart));
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toLongLong();
}

InputFacts parseInputDump(const QString& text, const QString& inputPath, const QString& endHeaderPath, int index)
{
    static const QRegularExpression durationLine(QStringLiteral(
        "^  Duration: (N/A|\\d+:\\d\\d:\\d\\d\\.\\d\\d)(?:, start: -?\\d+\\.\\d+)?, bitrate: (?:\\d+ kb/s|N/A)\r?$"));
    static const QRegularExpression streamLine(QStringLiteral(
        "^ +Stream #(\\d+):(\\d+)(?:\\[0x[0-9a-fA-F]+\\])?(?:\\(.*\\))?: (Audio|Video|Data|Subtitle|Attachment): .*$"));
    InputFacts facts;
    const qsizetype start = headerEnd(text, QStringLiteral("Input #%1, ").arg(index), QStringLiteral("from"), inputPath);
    if (start < 0)
        return facts;
    facts.opened = true;
    qsizetype end = text.size();
    if (!endHeaderPath.isEmpty())
        if (const qsizetype out = outputHeaderEnd(text, endHeaderPath); out >= 0)
            end = text.lastIndexOf(QLatin1Char('\n'), out) + 1;
    // The dump's path echoes are gone, so a name with line breaks forges no line.
    const QString dump = withoutPath(text.mid(start, end - start), asEncoderPrintsIt(inputPath));

    enum class Owner { None, Container, AudioStream, Other } owner = Owner::None;
    qsizetype blockIndent = -1;
    bool lastStreamAudio = false, seenStream = false;
    QStringList durations;
    QHash<int, QSet<QString>> kinds; // stream number -> what its lines call it
    int firstAudio = -1;
    qsizetype lineStart = 0, durationAt = -1;
    for (const QString& line : dump.split(QLatin1Char('\n'))) {
        const qsizetype at = std::exchange(lineStart, lineStart + line.size() + 1);
        const qsizetype indent = indentOf(line);
        if (blockIndent >= 0 && indent > blockIndent) {
            const QString key = line.mid(indent).section(QStringLiteral(": "), 0, 0).trimmed();
            if (!isTechnicalKey(key)) {
                facts.containerTags = facts.containerTags || owner == Owner::Container;
                facts.audioStreamTags = facts.audioStreamTags || owner == Owner::AudioStream;
            }
            continue;
        }
        blockIndent = -1;
        const QStringView content = QStringView(line).mid(indent);
        if (content == QLatin1String("Metadata:") || content == QLatin1String("Metadata:\r")) {
            blockIndent = indent;
            owner = !seenStream && indent == 2 ? Owner::Container
                  : lastStreamAudio && indent == 4 ? Owner::AudioStream
                                                   : Owner::Other;
            continue;
        }
        if (const auto m = durationLine.match(line); m.hasMatch()) {
            durations << m.captured(1);
            durationAt = at + 2 + QStringView(kDurationMarker).size();
            continue;
        }
        if (const auto m = streamLine.match(line); m.hasMatch() && m.captured(1).toInt() == index) {
            seenStream = true;
            const int number = m.captured(2).toInt();
            const bool picture = m.captured(3) == QLatin1String("Video") && line.trimmed().endsWith(QLatin1String("(attached pic)"));
            kinds[number].insert(picture ? QStringLiteral("Picture") : m.captured(3));
            // Only the first audio stream's tags are the ones copied.
            lastStreamAudio = m.captured(3) == QLatin1String("Audio") && (firstAudio < 0 || firstAudio == number);
            if (lastStreamAudio && facts.sampleRate == 0) {
                static const QRegularExpression rate(QStringLiteral(", (\\d+) Hz(?:,|$)"));
                facts.sampleRate = rate.match(line).captured(1).toInt();
            }
            if (lastStreamAudio)
                firstAudio = number;
            continue;
        }
        lastStreamAudio = false;
    }
    // A tag cannot take an audio stream away (only add a line that claims one, on
    // which the conversion then fails and says so); a picture is one on every line.
    for (auto it = kinds.cbegin(); it != kinds.cend(); ++it) {
        facts.audioStreams += it->contains(QStringLiteral("Audio")) ? 1 : 0;
        facts.audio = facts.audio || it->contains(QStringLiteral("Audio"));
        if (!facts.attachedPicture && *it == QSet<QString>{QStringLiteral("Picture")}) {
            facts.attachedPicture = true;
            facts.pictureStream = it.key();
        }
    }
    // The encoder prints exactly one duration line per input; more means a tag made one.
    if (durations.size() == 1) {
        facts.durationText = durations.first();
        qCDebug(lcEngine).noquote() << "NSDuration:" << dump.mid(durationAt);
    }
    else if (durations.size() > 1)
        qCDebug(lcEngine, "Duration lines: %lld", qlonglong(durations.size()));
    return facts;
}

QStringList OwnLines::feed(const QString& chunk)
{
    beganInForeign_ = carry_.startsWith(QLatin1Char(' '));
    QString text = carry_ + chunk;
    QStringList own;
    qsizetype from = 0;
    // Line ends found by the library's fast search: a chunk may be a megabyte of one line.
    qsizetype feed = text.indexOf(QLatin1Char('\n')), ret = text.indexOf(QLatin1Char('\r'));
    while (feed >= 0 || ret >= 0) {
        const qsizetype i = feed < 0 ? ret : ret < 0 ? feed : std::min(feed, ret);
        if (auto line = ownLine(text.mid(from, i - from), blockIndent_); line && !line->isEmpty())
            own << *line;
        from = i + 1;
        if (feed == i)
            feed = text.indexOf(QLatin1Char('\n'), from);
        if (ret == i)
            ret = text.indexOf(QLatin1Char('\r'), from);
    }
    carry_ = text.mid(from);
    // A line without end for ever is no line we need; keep memory bounded.
    if (carry_.size() > 65536)
        carry_ = carry_.left(64);
    return own;
}

QString encoderOwnText(const QString& text)
{
    // The encoder prints a metadata block as a "Metadata:" line followed by lines
    // indented deeper; a value's own line breaks continue at that depth too.
    QStringList kept;
    qsizetype blockIndent = -1;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (auto own = ownLine(line, blockIndent))
            kept << *own;
    return kept.join(QLatin1Char('\n'));
}

QString decodeProbeBytes(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes);
}

QString LenientDecoder::decode(const QByteArray& piece)
{
    QByteArray bytes = held_ + piece;
    held_.clear();
    // A lead byte among the last three whose sequence is not complete yet. (The
    // library's own stateful decoder loses bytes after a cut sequence.)
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto c = static_cast<unsigned char>(bytes.at(bytes.size() - back));
        if ((c & 0xC0) == 0x80)
            continue; // a continuation byte: look further back
        const qsizetype length = c >= 0xF0 && c <= 0xF7 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        if (c < 0xF8 && length > back) {
            held_ = bytes.right(back);
            bytes.chop(back);
        }
        break;
    }
    return QString::fromUtf8(bytes);
}

QString lastDiagnosticLine(const QString& text)
{
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        const QString line = it->trimmed();
        if (line.isEmpty() || it->startsWith(QLatin1Char(' ')) || line.startsWith(QLatin1String("size="))
            || line.startsWith(QLatin1String("frame=")) || line.startsWith(QLatin1String("video:")))
            continue;
        return line;
    }
    return {};
}

qsizetype invalidDataRangeLength(const QString& probeText)
{
    const QString marker = QString::fromUtf16(kInvalidData);
    return probeText.contains(marker) ? marker.size() : 0;
}

std::optional<qint32> durationSeconds(const QString& durationText)
{
    try {
        return qint32(quint32(quint64(secondsForTimeString(durationText))));
    } catch (const std::out_of_range&) {
        return std::nullopt;
    }
}

std::optional<ProgressLine> progressLine(const QString& line)
{
    static const QRegularExpression shape(
        QStringLiteral("^size=\\s*\\S+ time=(\\S+) bitrate=.*?(?: speed=\\s*([0-9.]+)x)?\\s*$"));
    const auto m = shape.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    return ProgressLine{m.captured(1), m.captured(2).toDouble()};
}

QSet<QString> markerLines(const QString& ownText)
{
    const QString marker = QString::fromUtf16(kNoSpace);
    QSet<QString> lines;
    // Only the lines around each marker are cut out: a dump may be megabytes.
    for (qsizetype at = ownText.indexOf(marker); at >= 0; at = ownText.indexOf(marker, at + marker.size())) {
        const auto isBreak = [](QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); };
        qsizetype start = at, end = at;
        while (start > 0 && !isBreak(ownText.at(start - 1)))
            --start;
        while (end < ownText.size() && !isBreak(ownText.at(end)))
            ++end;
        lines.insert(ownText.mid(start, end - start));
        at = end - marker.size();
    }
    return lines;
}

ConversionText::ConversionText(const QString& input, const QString& output, QSet<QString> tagLines)
    : input_(input), output_(output), paths_({asEncoderPrintsIt(input), asEncoderPrintsIt(output)}),
      tagLines_(std::move(tagLines))
{
}

void ConversionText::feed(const QByteArray& bytes)
{
    const QString text = decoder_.decode(bytes);
    said(rawLines_.feed(text));
    take(lines_.feed(paths_.feed(text)));
    keep(text);
}

void ConversionText::finish()
{
    said(rawLines_.feed(QStringLiteral("\n")));
    take(lines_.feed(paths_.finish() + QLatin1Char('\n')));
    judge();
}

// The input's dump, up to the output's header, which names the output exactly;
// after it, a start and an end of what the encoder said, where its errors are.
void ConversionText::keep(const QString& text)
{
    if (headerEnd_ < 0) {
        if (head_.size() >= kMostHead)
            return;
        const qsizetype from = std::max<qsizetype>(0, head_.size() - output_.size() - 64);
        head_ += text;
        headerEnd_ = outputHeaderEnd(head_, output_, from);
        if (headerEnd_ < 0)
            return;
        afterStart_ = head_.mid(headerEnd_);
        head_.truncate(headerEnd_);
        return;
    }
    if (afterStart_.size() < kMostAfter)
        afterStart_ += text.left(kMostAfter - afterStart_.size());
    else
        afterEnd_ = (afterEnd_ + text).right(kMostAfter);
}

namespace {
const QString kDecodeError = QStringLiteral("Error while decoding stream #");
const QString kBackwardQueue = QStringLiteral("Queue input is backward in time");
const QString kBackwardDts = QStringLiteral("non monotonically increasing dts");
const QString kEstimated = QStringLiteral("Estimating duration from bitrate, this may be inaccurate");
constexpr qsizetype kMostTroubleLines = 4096;

bool isBackwards(const QString& line)
{
    return line.contains(kBackwardQueue) || line.contains(kBackwardDts);
}
} // namespace

std::optional<double> preciseSeconds(const QString& timeText)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d+):(\\d\\d):(\\d\\d(?:\\.\\d+)?)\\s*$"));
    const auto m = shape.match(timeText);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toDouble() * 3600 + m.captured(2).toDouble() * 60 + m.captured(3).toDouble();
}

QString clockText(qint64 seconds)
{
    seconds = std::max<qint64>(0, seconds);
    const qint64 h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    return h > 0 ? QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'))
                 : QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
}

QString troubleText(const ReadingTrouble& t)
{
    QStringList parts;
    // Short: more than 2 s and more than 2 % of what the input said it holds.
    if (t.stated && t.reached && *t.stated - *t.reached > 2.0 && *t.stated - *t.reached > *t.stated * 0.02)
        parts << Words::tr("only %1 of %2 could be read").arg(clockText(qint64(*t.reached)), clockText(qint64(*t.stated)));
    if (t.decodeErrors > 0)
        parts << (t.decodeErrors == 1 ? Words::tr("1 error while decoding")
                                      : Words::tr("%n errors while decoding", nullptr, t.decodeErrors));
    if (t.backwards > 0)
        parts << (t.backwards == 1 ? Words::tr("its timestamps ran backwards once")
                                   : Words::tr("its timestamps ran backwards %n times", nullptr, t.backwards));
    return parts.join(Words::tr("; "));
}

void ConversionText::judge()
{
    const QString marker = QString::fromUtf16(kNoSpace);
    const auto own = [&](const QString& text) {
        // Most runs say nothing of the kind: nothing to look into.
        if (!text.contains(marker))
            return QSet<QString>();
        return markerLines(encoderOwnText(withoutPath(withoutPath(text, asEncoderPrintsIt(output_)),
                                                      asEncoderPrintsIt(input_))));
    };
    // Before the output's header the encoder only dumps the input, tags and all.
    tagLines_ += own(headerEnd_ < 0 ? head_ : head_.left(headerEnd_));
    if (headerEnd_ < 0)
        return;
    // A line of trouble that stands in the input's dump is a tag's: it is dumped
    // there and once more with the output's tags, and proves nothing.
    QHash<QString, int> inDump;
    if (!troubleLines_.isEmpty())
        for (const QString& line : encoderOwnText(withoutPath(withoutPath(head_, asEncoderPrintsIt(output_)),
                                                              asEncoderPrintsIt(input_)))
                                       .split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts))
            if (troubleLines_.contains(line))
                ++inDump[line];
    for (auto it = troubleLines_.cbegin(); it != troubleLines_.cend(); ++it) {
        const int real = std::max(0, it.value() - 2 * inDump.value(it.key()));
        (it.key().startsWith(kDecodeError) ? trouble_.decodeErrors : trouble_.backwards) += real;
    }
    const InputFacts facts = parseInputDump(head_, input_);
    // A duration the encoder only estimated says nothing of what the file holds.
    if (expected_)
        trouble_.stated = expected_;
    else if (facts.durationText && !head_.contains(kEstimated))
        trouble_.stated = preciseSeconds(*facts.durationText);
    trouble_.reached = reached_;
    for (const QString& line : own(afterStart_) + own(afterEnd_)) {
        if (tagLines_.contains(line))
            noSpaceInTagLine_ = true;
        else
            noSpaceSaid_ = true;
    }
}

void ConversionText::take(const QStringList& lines)
{
    for (const QString& line : lines) {
        if (const auto progress = progressLine(line)) {
            try {
                position_ = secondsForTimeString(progress->time);
            } catch (const std::out_of_range&) {
            }
            if (const auto at = preciseSeconds(progress->time))
                reached_ = at;
            speed_ = progress->speed;
        } else if (line.startsWith(kDecodeError) || isBackwards(line)) {
            if (troubleLines_.size() < kMostTroubleLines || troubleLines_.contains(line))
                ++troubleLines_[line];
            else
                ++troubleLines_[line.startsWith(kDecodeError) ? kDecodeError : kBackwardDts];
        }
    }
}

// For people, the last words keep the names they mention.
void ConversionText::said(const QStringList& lines)
{
    for (const QString& line : lines)
        if (const QString words = engine::lastDiagnosticLine(line); !words.isEmpty())
            lastLine_ = words;
}

} // namespace engine
