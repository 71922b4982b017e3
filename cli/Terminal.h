#pragma once
#include "cli/Arguments.h"
#include "engine/Batch.h"
#include "engine/InputCollection.h"
#include "engine/Presenter.h"

#include <QObject>

#include <cstdio>
#include <memory>
#include <optional>

namespace cli {

// A running file's line on a terminal: percentage (none while it is examined),
// name and the batch's time left, never wider than width - 1 so that it cannot wrap.
QString progressLine(const QString& name, std::optional<int> percent, const QString& timeLeft, int width);

// The front door without a window: collects the paths, runs the batch, writes
// progress to err and the completion text to out, and ends with an exit status.
class Terminal : public QObject, public engine::BatchHost {
    Q_OBJECT
public:
    // live: err is a terminal, whose lines can be drawn again in place.
    Terminal(Invocation invocation, std::FILE* out, std::FILE* err, bool live);
    ~Terminal() override;

    void start();
    // SIGINT, SIGTERM, SIGHUP or SIGPIPE: what runs is stopped as Stop stops it,
    // and no file more starts.
    void interrupt(int signal);

signals:
    void finished(int status);

private:
    void run(const engine::CollectedInputs& inputs);
    void say(const QString& text); // to err, above the progress lines
    void drawLive();
    void eraseLive();
    void batchFileEnded(engine::Journey* journey) override;
    void batchEncoderUnusable(const engine::EncoderTrouble& trouble) override;
    void batchEnded(engine::BatchEnd end) override;
    void journeyPreparing(engine::Journey*) override { drawLive(); }
    void journeyConverting(engine::Journey*) override { drawLive(); }
    void journeyNamed(engine::Journey*) override {}
    QStringList journeyArguments(engine::Journey* journey, const QString& commandText) override;
    void journeyRunnerMade(engine::Journey*) override {}
    void journeyStarted(engine::Journey*) override { drawLive(); }
    void journeyLaunched(engine::Journey*, const QStringList&) override {}
    void journeyOutput(engine::Journey*, const QString&) override {}
    void journeyError(engine::Journey*, const QString&) override {}
    void journeyNote(engine::Journey*, const QString& note) override;

    Invocation invocation_;
    std::FILE* out_;
    std::FILE* err_;
    bool live_;
    std::unique_ptr<engine::Batch> batch_;
    std::unique_ptr<engine::Presenter> presenter_;
    int drawn_ = 0;        // progress lines on the screen below the last said line
    qsizetype ended_ = 0;  // files ended so far
    int signal_ = 0;       // the signal that interrupted the batch
    bool over_ = false;
};

// The program started with one of the command line's options: a QCoreApplication
// exists; no window and no display are needed.
int runWithoutWindow(const QList<QByteArray>& arguments);

} // namespace cli
