#pragma once
#include "engine/Batch.h"
#include "engine/CommandLine.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace engine {

// Which front door shows the batch: the window (the Parts' texts) or the terminal.
enum class Door { Window, Terminal };

// What a door shows of a batch, decided once and without widgets; the window and
// the terminal only render it.
class Presenter {
    Q_DECLARE_TR_FUNCTIONS(Presenter)

public:
    Presenter(const Batch& batch, Door door) : batch_(batch), door_(door) {}

    // A file's row: its state in words ("Waiting", "Examining", "Converting 47%",
    // "Converted", "Converted with problems: …", "Already converted", "Failed: …",
    // "Stopped", "Not audio", "Left out: …") and where its result went.
    struct Row {
        QString state;
        QString output;
        bool operator==(const Row&) const = default;
    };
    Row row(qsizetype index) const;
    // A converting file's share done, when its length is known.
    static std::optional<int> filePercent(const Journey& journey);

    // The status line's count: one at a time the files after the one in work,
    // several at once those not finished.
    int filesLeft() const;
    QString preparingLine() const;
    QString convertingLine() const;
    // The bar at a tick: one at a time the encoder's latest status line read as the
    // Parts read it; several at once the whole batch's share. None: leave it.
    std::optional<int> barPercent(const QString& latestStatus, bool beginsForeign) const;
    // As a file starts to convert: several at once, the bar keeps showing the
    // batch's share rather than 0%.
    std::optional<int> barPercentAtStart() const;
    // "Qelvanto — 2 of 5 — a.wav, b.flac — about 40 s left"; empty while no file
    // runs (the title keeps the last).
    QString title() const;

    // What is said of a file once it ended, after its result line: a line each.
    QStringList endNotes(const Journey& journey) const;
    // The terminal's lines for a file that ended: "3/12 PATH: converted to …".
    QStringList terminalLines(const Journey& journey, qsizetype endedSoFar) const;
    // What is said at the end: the completion alert's text, or --convert's summary.
    QString summary() const;
    // "Qelvanto: 12 of 14 files converted" and the first lines of the summary.
    std::pair<QString, QString> notification() const;
    // The terminal's exit status; signal: the one that ended it, 0 for none.
    int exitStatus(int signal) const;

    struct Alert {
        QString title, text;
    };
    static Alert encoderAlert(const EncoderTrouble& trouble);
    static QString encoderLine(const EncoderTrouble& trouble);
    // Beside and under the boxes: opus's own rate, a combination the encoder refuses.
    static QString opusNote(const ConversionSettings& settings);
    // What the window asks before it converts files it was opened with:
    // "Convert 3 files to mp3, 192 kbit/s, into Converted/ beside each file?"
    static QString openQuestion(qsizetype files, const ConversionSettings& settings);
    static QString refusalNote(const ConversionSettings& settings);

private:
    static QString removedNote(const FileOutcome& outcome, const QString& removed);

    const Batch& batch_;
    Door door_;
};

} // namespace engine
