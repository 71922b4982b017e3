#pragma once
#include <QList>
#include <QString>

namespace engine {

// What became of one file of a batch.
enum class Outcome {
    Converted,  // the encoder ended with 0 and wrote a file that is not empty
    Failed,     // a non-zero result code, no output, or the encoder could not start
    Stopped,    // the user stopped it
    NotAudio,   // the encoder cannot read it or found no audio: skipped quietly
    LeftOut,    // never handed to the encoder (not a regular file, a name it cannot take)
    Unreadable, // vanished, cannot be opened, or its path is too long
    AlreadyConverted, // its result was there already, and was left as it is ("If it exists": Skip)
};

struct FileOutcome {
    QString input;
    Outcome outcome = Outcome::Converted;
    QString output;      // the file written, when converted
    int resultCode = 0;  // the encoder's, when it ran
    QString reason;      // in words: why it was left out or failed
    QString consoleReason; // what the console's "Left out" line says, when it differs
    QString problem;     // converted, but the input could not all be read: what went wrong
};

// In words, for a person: "converted to PATH", "failed with result code 1: ...".
QString describe(const FileOutcome& outcome);

// The outcomes of one batch, in the order the files were finished.
class BatchReport {
public:
    void clear() { outcomes_.clear(); }
    void add(FileOutcome outcome) { outcomes_.append(std::move(outcome)); }
    const QList<FileOutcome>& outcomes() const { return outcomes_; }
    qsizetype count(Outcome outcome) const;

    // The completion alert's informative text: "Conversion Completed." and, when
    // anything did not convert, what and why.
    // consoleRef: the door has a console that holds the details.
    QString alertText(qsizetype batchSize, bool consoleRef = true) const;
    // Converted, but with problems reading the input.
    qsizetype troubled() const;
    // How many files the alert names at most; the rest are counted.
    static constexpr qsizetype kListedFiles = 10;

private:
    QList<FileOutcome> outcomes_;
};

} // namespace engine
