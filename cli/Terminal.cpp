#include "cli/Terminal.h"

#include "platform/Signals.h"

#include "engine/CommandLine.h"
#include "engine/FileWork.h"
#include "platform/Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>

#include <csignal>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace cli {

QString progressLine(const QString& name, std::optional<int> percent, const QString& timeLeft, int width)
{
    const QString head = percent ? QStringLiteral("%1% ").arg(std::clamp(*percent, 0, 100), 3)
                                 : QStringLiteral("...  ");
    const QString tail = timeLeft.isEmpty() ? QString() : QStringLiteral("  ") + timeLeft;
    const qsizetype room = qsizetype(width) - 1 - head.size() - tail.size();
    QString shown = name;
    if (shown.size() > room)
        shown = room > 1 ? shown.left(room - 1) + QStringLiteral("…") : QString();
    return (head + shown + tail).left(std::max(0, width - 1));
}

Terminal::Terminal(Invocation invocation, std::FILE* out, std::FILE* err, bool live)
    : invocation_(std::move(invocation)), out_(out), err_(err), live_(live && !invocation_.quiet)
{
}

Terminal::~Terminal() = default;

void Terminal::start()
{
    if (const QString refused = engine::Presenter::refusalNote(invocation_.settings); !refused.isEmpty() && !invocation_.quiet)
        say(refused);
    // A folder may lie on a slow or hung mount; signals are still heard meanwhile.
    engine::offThread(
        this,
        [paths = invocation_.paths, output = invocation_.settings.outputFolder, split = invocation_.settings.splitCue] {
            engine::CollectedInputs inputs = engine::collectInputs(paths);
            engine::leaveOutOutputFolder(inputs, output);
            if (split)
                engine::splitByCueSheets(inputs);
            return inputs;
        },
        [this](const engine::CollectedInputs& inputs) { run(inputs); });
}

void Terminal::run(const engine::CollectedInputs& inputs)
{
    if (signal_)
        return;
    if (!invocation_.quiet)
        for (const QString& note : inputs.notes)
            say(note);
    engine::BatchSetup setup{
        .files = inputs.paths,
        .inexact = inputs.inexact,
        .subfolders = inputs.subfolders,
        .leftOut = inputs.leftOut,
        .tracks = inputs.tracks,
        .jobs = invocation_.jobs,
        .settings = invocation_.settings,
        // The window's pause after a skipped file is for the eye.
        .skipPauseMs = 0,
        // Our standard error is for our own lines.
        .decodeSpeaks = false,
    };
    batch_ = std::make_unique<engine::Batch>(std::move(setup), this);
    presenter_ = std::make_unique<engine::Presenter>(*batch_, engine::Door::Terminal);
    if (live_)
        connect(batch_.get(), &engine::Batch::progressed, this, &Terminal::drawLive);
    batch_->start();
}

void Terminal::interrupt(int signal)
{
    if (signal_ || over_)
        return;
    signal_ = signal;
    if (!batch_) {
        // Still collecting: nothing has started, nothing to stop.
        over_ = true;
        emit finished(128 + signal);
        return;
    }
    batch_->halt();
}

void Terminal::say(const QString& text)
{
    eraseLive();
    std::fputs(text.toLocal8Bit().append('\n').constData(), err_);
    std::fflush(err_);
    drawLive();
}

void Terminal::eraseLive()
{
    if (drawn_ == 0)
        return;
    std::fprintf(err_, "\x1b[%dA\r\x1b[J", drawn_);
    drawn_ = 0;
}

void Terminal::drawLive()
{
    if (!live_ || !batch_ || batch_->ended())
        return;
    int width = 80;
    winsize size{};
    if (::ioctl(::fileno(err_), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        width = size.ws_col;
    const auto left = batch_->secondsLeft();
    const QString timeLeft = left ? engine::timeLeftText(*left) : QString();
    QByteArray text;
    if (drawn_ > 0)
        text += "\x1b[" + QByteArray::number(drawn_) + "A";
    text += "\r\x1b[J";
    int lines = 0;
    for (const engine::Journey* j : batch_->running()) {
        const std::optional<int> percent = j->converting() ? engine::Presenter::filePercent(*j) : std::nullopt;
        text += progressLine(engine::lastPathComponent(j->input()), percent, timeLeft, width).toLocal8Bit() + '\n';
        ++lines;
    }
    std::fputs(text.constData(), err_);
    std::fflush(err_);
    drawn_ = lines;
}

QStringList Terminal::journeyArguments(engine::Journey*, const QString& commandText)
{
    return engine::splitArguments(commandText);
}

void Terminal::batchFileEnded(engine::Journey* journey)
{
    ++ended_;
    if (invocation_.quiet)
        return;
    for (const QString& line : presenter_->terminalLines(*journey, ended_))
        say(line);
}

void Terminal::journeyNote(engine::Journey*, const QString& note)
{
    // Said also when quiet: it tells of a file removed.
    say(QStringLiteral("qelvanto: ") + note);
}

void Terminal::batchEncoderUnusable(const engine::EncoderTrouble& trouble)
{
    // Said also when quiet.
    say(engine::Presenter::encoderLine(trouble));
}

void Terminal::batchEnded(engine::BatchEnd end)
{
    eraseLive();
    over_ = true;
    // The encoder cannot run (said above): there is nothing to sum up, as in the window.
    if (end != engine::BatchEnd::Abandoned || signal_) {
        std::fputs(presenter_->summary().toLocal8Bit().append('\n').constData(), out_);
        std::fflush(out_);
    }
    emit finished(presenter_->exitStatus(signal_));
}


int runWithoutWindow(const QList<QByteArray>& arguments)
{
    const int cores = settings::maxJobs();
    const Invocation invocation = parseArguments(arguments, settings::readSavedChoices(cores), cores, workingDirectory());
    switch (invocation.mode) {
    case Invocation::Mode::Help:
    case Invocation::Mode::Version:
        std::fputs(invocation.text.toLocal8Bit().constData(), stdout);
        return 0;
    case Invocation::Mode::UsageError:
        std::fputs(invocation.text.toLocal8Bit().append('\n').constData(), stderr);
        return kUsageStatus;
    case Invocation::Mode::Window:
        std::fputs(QCoreApplication::translate("Arguments", "qelvanto: see qelvanto --help").toLocal8Bit().append('\n').constData(), stderr);
        return kUsageStatus;
    case Invocation::Mode::Convert:
        break;
    }
    const char* term = std::getenv("TERM");
    const bool live = ::isatty(STDERR_FILENO) && !(term && QByteArray(term) == "dumb");
    Terminal terminal(invocation, stdout, stderr, live);
    // SIGINT, SIGTERM, SIGHUP and SIGPIPE stop the batch as Stop does.
    platform::onInterruptSignals(&terminal, [&terminal](int signal) { terminal.interrupt(signal); });
    // Queued: the status is set once the event loop runs, whenever the batch ends.
    QObject::connect(&terminal, &Terminal::finished, QCoreApplication::instance(),
                     [](int status) { QCoreApplication::exit(status); }, Qt::QueuedConnection);
    terminal.start();
    return QCoreApplication::exec();
}

} // namespace cli
