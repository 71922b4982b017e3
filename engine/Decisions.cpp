#include "engine/Decisions.h"

#include <QCoreApplication>
#include <algorithm>

namespace engine {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(Decisions)
};
} // namespace

// ---- decisions ----------------------------------------------------------------

std::optional<FileOutcome> decideInput(const QString& input, bool exactName, const platform::InputCheck& check)
{
    if (!exactName)
        return FileOutcome{.input = input,
                           .outcome = Outcome::LeftOut,
                           .reason = Words::tr("its name is not valid UTF-8, so it cannot be handed to the encoder unchanged")};
    switch (check.kind) {
    case platform::InputKind::Regular:
        break;
    case platform::InputKind::NotRegular:
        return FileOutcome{.input = input, .outcome = Outcome::LeftOut, .reason = check.reason};
    case platform::InputKind::Unreadable:
        return FileOutcome{.input = input,
                           .outcome = Outcome::Unreadable,
                           .reason = check.reason,
                           .consoleReason = Words::tr("it cannot be read (%1)").arg(check.reason)};
    }
    if (namesOtherFiles(check.head))
        return FileOutcome{.input = input,
                           .outcome = Outcome::LeftOut,
                           .reason = Words::tr("it is a playlist, which would make the encoder open the files it names")};
    return std::nullopt;
}

bool looksLikeAudio(const QByteArray& head)
{
    const auto at = [&](qsizetype i) { return i < head.size() ? static_cast<unsigned char>(head.at(i)) : 0u; };
    const QByteArray& h = head;
    if (holdsPlainSamples(h))
        return true;
    if (h.mid(4, 4) == "ftyp")
        return true;
    for (const char* magic : {"fLaC", "OggS", "ID3", "wvpk", "MAC ", "caff", "\x1a\x45\xdf\xa3",
                              "\x30\x26\xb2\x75\x8e\x66\xcf\x11", "\x0b\x77", ".snd"})
        if (h.startsWith(magic))
            return true;
    // An MPEG audio frame or an ADTS header: eleven or twelve set bits of sync.
    return at(0) == 0xFF && (((at(1) & 0xE0) == 0xE0 && (at(1) & 0x06) != 0) || (at(1) & 0xF6) == 0xF0);
}

bool holdsPlainSamples(const QByteArray& head)
{
    return ((head.startsWith("RIFF") || head.startsWith("RF64")) && head.mid(8, 4) == "WAVE")
        || (head.startsWith("FORM") && (head.mid(8, 4) == "AIFF" || head.mid(8, 4) == "AIFC"));
}

bool namesOtherFiles(const QByteArray& head)
{
    QByteArray h = head.startsWith("\xef\xbb\xbf") ? head.mid(3) : head;
    h = h.trimmed();
    // HLS and other extended playlists, concatenation lists, DASH manifests and
    // session descriptions: each makes the encoder open files or addresses it names.
    return h.startsWith("#EXTM3U") || h.startsWith("ffconcat version") || h.startsWith("v=0\n")
        || h.startsWith("v=0\r\n") || (h.startsWith("<") && h.contains("<MPD"));
}

ProbeDecision decideProbe(const EncoderRunResult& probe, const InputFacts& facts)
{
    if (probe.systemError)
        return {ProbeDecision::SystemRefused,
                Words::tr("it could not be examined: the system would not start the encoder (%1)")
                    .arg(platform::errorText(probe.systemError)),
                std::nullopt};
    if (probe.cannotRun())
        return {ProbeDecision::EncoderUnusable,
                probe.launched ? Words::tr("it ended with code %1 at once").arg(probe.status) : probe.launchError,
                std::nullopt};
    if (!probe.finished)
        return {ProbeDecision::LeftOut,
                Words::tr("the encoder did not finish reading it within %1 seconds").arg(kProbeLimitMs / 1000),
                std::nullopt};
    if (!facts.opened || !facts.audio)
        return {ProbeDecision::NotAudio, {}, std::nullopt};
    return {ProbeDecision::Accept, {}, facts.durationText};
}

CommandExtras commandExtras(const InputFacts& facts, const QString& format)
{
    return {facts.audioStreamTags && !facts.containerTags,
            facts.attachedPicture && carriesCover(format) ? facts.pictureStream : -1};
}

FileOutcome judgeEnd(const QString& input, const QString& output, const EndFacts& f)
{
    FileOutcome o{.input = input, .outcome = Outcome::Converted, .output = output, .resultCode = f.status};
    if (f.status != 0) {
        o.outcome = f.stopRequested ? Outcome::Stopped : Outcome::Failed;
        o.reason = f.lastDiagnosticLine;
    } else if (f.sawNoSpace) {
        // The encoder exits 0 also when it could not write, for one on a full disk.
        o.outcome = Outcome::Failed;
        o.reason = Words::tr("the disk is full");
    } else if (!f.outputSize || *f.outputSize == 0) {
        o.outcome = Outcome::Failed;
        o.reason = Words::tr("the encoder reported success but wrote nothing");
    } else {
        o.problem = f.trouble;
    }
    return o;
}

int batchPercent(const QList<FileProgress>& files)
{
    double knownSum = 0;
    int known = 0;
    for (const FileProgress& f : files)
        if (f.duration > 0) {
            knownSum += double(f.duration);
            ++known;
        }
    const double unknownWeight = known ? knownSum / known : 1.0;
    double total = 0, done = 0;
    for (const FileProgress& f : files) {
        const double weight = f.duration > 0 ? double(f.duration) : unknownWeight;
        total += weight;
        if (f.finished)
            done += weight;
        else if (f.duration > 0)
            done += weight * std::clamp(double(f.position) / double(f.duration), 0.0, 1.0);
    }
    return total > 0 ? int(done * 100.0 / total) : 0;
}

} // namespace engine
