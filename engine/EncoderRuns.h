#pragma once
#include "runner/KVShellWrapper.h"
#include "runner/KVShellWrapperDelegate.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace engine {

using RunnerFactory = std::function<std::shared_ptr<KVShellWrapper>(const QStringList& arguments)>;

// How long a run of the encoder that only reads may take. A probe reads a file's
// head; a decode run reads it whole.
inline constexpr int kProbeLimitMs = 60'000;
inline constexpr int kDecodeLimitMs = 600'000;

struct EncoderRunResult {
    bool launched = false;  // false: the encoder could not be started at all
    bool finished = true;   // false: it ran past its limit and was given up
    bool stopped = false;   // ended by stop()
    int status = -1;        // exit status; -1 when it could not be learned
    QByteArray errorBytes;  // its standard error (probe runs only)
    QString launchError;    // why it could not be started
    // The system refused the run for want of processes, memory or descriptors
    // (errno): nothing is known of the file, nor of the encoder.
    int systemError = 0;

    // The encoder started but cannot really run: the system's codes for a program
    // that could not be executed or lacks its libraries.
    bool cannotRun() const { return systemError == 0 && (!launched || status == 126 || status == 127); }
};

// One run of the encoder that only reads: the probe ("-y", "-i", path; standard
// error read) or the decode run into a WAV file ("-y", "-i", input, "-f", "wav",
// file; nothing read). Standard input is /dev/null. It never blocks: finished()
// follows on the event loop, exactly once, also when it could not start.
class EncoderRun : public QObject, public KVShellWrapperDelegate {
    Q_OBJECT
public:
    static EncoderRun* probe(const QString& encoder, const QString& path, QObject* parent, int limitMs = kProbeLimitMs);
    // speaks: its diagnostics go where ours go (the Parts' window); else nowhere.
    static EncoderRun* decode(const QString& encoder, const QString& input, const QString& wavPath, QObject* parent,
                              bool speaks = true, int limitMs = kDecodeLimitMs);
    ~EncoderRun() override;

    void start();
    // Ends the run: SIGTERM to its process group, SIGKILL 5 s later (now: at once).
    void stop(bool now = false);
    bool running() const { return runner_ && !ended_; }
    const EncoderRunResult& result() const { return result_; }

signals:
    void finished();

private:
    EncoderRun(QStringList arguments, bool readsError, int limitMs, QObject* parent, bool speaks = true);
    void report();

    void processAppendOutput(KVShellWrapper*, const QVariant&) override {}
    void processAppendError(KVShellWrapper*, const QString&) override {}
    void processStarted(KVShellWrapper*) override {}
    void processFinishedWithTerminationStatus(KVShellWrapper*, int status) override;

    QStringList arguments_; // the encoder first
    bool readsError_;
    int limitMs_;
    bool speaks_;
    std::shared_ptr<KVShellWrapper> runner_;
    EncoderRunResult result_;
    bool ended_ = false;
};

} // namespace engine
