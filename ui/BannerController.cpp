#include "BannerController.h"

#include "MainWindow.h"
#include "app/Settings.h"
#include "engine/CommandLine.h"
#include "engine/EncoderRuns.h"
#include "engine/OutputFolder.h"
#include "engine/ProbeText.h"
#include "engine/Progress.h"
#include "engine/TimeString.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "platform/Resources.h"
#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

BannerController* sharedBannerController = nullptr;

// The project has no web site; its documentation page is the README, installed
// beside the program or, in a build folder, the source tree's own.
const QString BannerController::kWebPage = QStringLiteral(QELVANTO_INSTALL_DOC_PAGE);

QUrl BannerController::webPageUrl()
{
    const QString installed =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../") + kWebPage);
    return QUrl::fromLocalFile(QFileInfo::exists(installed) ? installed : QStringLiteral(QELVANTO_SOURCE_DOC_PAGE));
}

QIcon BannerController::applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/qelvanto-%1.png").arg(size), QSize(size, size));
    return icon;
}

namespace {
int g_liveProgressTimers = 0;
}

static void initResources()
{
    Q_INIT_RESOURCE(qelvanto); // the images live in a static library
}

BannerController::BannerController()
{
    initResources();
    mainWindow_ = new MainWindow;
    ui_.setupUi(mainWindow_);
    mainWindow_->setWindowIcon(applicationIcon());
    // Small screens, or large scaling: never taller or wider than the screen allows.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        mainWindow_->resize(mainWindow_->size()
                                .boundedTo(screen->availableSize() * 0.9)
                                .expandedTo(mainWindow_->minimumSize()));
    mainWindow_->setAttribute(Qt::WA_DeleteOnClose, false);
    mainWindow_->onClose = [this] { applicationShouldTerminateAfterLastWindowClosed(); };
    dialogs_ = std::make_unique<WidgetDialogs>(mainWindow_);
    runnerFactory_ = [](const QStringList& arguments) {
        return KVShellWrapper::create({}, {}, {}, QStringLiteral("."), std::nullopt, arguments, nullptr);
    };
    // Ctrl+O picks files from anywhere in the window, refused like a click while busy.
    auto* open = new QShortcut(QKeySequence::Open, mainWindow_);
    connect(open, &QShortcut::activated, this, [this] { ui_.imgView->mouseUp(); });
    ui_.lblHint->setForegroundRole(QPalette::PlaceholderText); // readable in light and dark themes
    // The grid's own spacing is lost inside spanned columns; captions and units keep
    // their distance from the boxes themselves.
    for (QLabel* caption : {ui_.lblFormat, ui_.lblSize, ui_.lblrate, ui_.lblChannel, ui_.lblOutputPath})
        caption->setContentsMargins(0, 0, 8, 0);
    for (QLabel* unit : {ui_.lblPX, ui_.lblHz})
        unit->setContentsMargins(6, 0, 0, 0);
    ui_.lblPbNow->setContentsMargins(8, 0, 0, 0);
    // What a view hides keeps its place, so nothing else moves between views.
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui_.lblFormat, ui_.cmbFormat, ui_.lblSize, ui_.cmbbr, ui_.lblPX, ui_.cmbRate, ui_.cmbChannel, ui_.lblrate,
             ui_.lblHz, ui_.lblChannel, ui_.cmbOutput, ui_.lblOutputPath, ui_.pbBar, ui_.lblpb, ui_.lblPbNow, ui_.pb}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    connect(ui_.runButton, &QPushButton::clicked, this, [this] { (this->*runAction_)(ui_.runButton); });
    connect(ui_.lblWeb, &QPushButton::clicked, this, [this] { lblWebClick(ui_.lblWeb); });
    connect(ui_.cmbOutput, &QComboBox::activated, this, [this] { cmbOutputAction(ui_.cmbOutput); });
}

BannerController::~BannerController()
{
    // A conversion may outlive its delegate; it must not report to a dead one.
    if (shellWrapper_)
        shellWrapper_->setDelegate(nullptr);
    setShellWrapper(nullptr);
    stopProgressTimer();
    if (sharedBannerController == this)
        sharedBannerController = nullptr;
    delete mainWindow_;
}

void BannerController::setDialogs(std::unique_ptr<ModalDialogs> dialogs)
{
    dialogs_ = std::move(dialogs);
}

int BannerController::liveProgressTimers()
{
    return g_liveProgressTimers;
}

// ---- start-up and shut-down ------------------------------------------------

void BannerController::applicationDidFinishLaunching()
{
    sharedBannerController = this;
    finishedFiles = 0;
    fileCounter = 0;
    showFolder = true;
    progressSign = false;
    ui_.cmbFormat->setCurrentIndex(0);
    ui_.cmbbr->setCurrentIndex(5);
    ui_.cmbRate->setCurrentIndex(2);
    ui_.cmbChannel->setCurrentIndex(1);
    ui_.imgView->installTrackingArea();
    ui_.imgView->setFocus();
    restoreSettings();
    consoleFontSetup();
    ui_.textSource->hide();
    ui_.imgView->showImageNamed(QStringLiteral("door.jpg"));
}

void BannerController::restoreSettings()
{
    if (auto text = settings::echoAndRead(settings::settingFilePath())) {
        const auto fields = settings::parseSelections(*text);
        QComboBox* boxes[4] = {ui_.cmbFormat, ui_.cmbbr, ui_.cmbRate, ui_.cmbChannel};
        for (size_t i = 0; i < 4; ++i) {
            // An index outside the list would leave a box without a choice; keep the default.
            if (fields[i] && *fields[i] >= 0 && *fields[i] < boxes[i]->count())
                boxes[i]->setCurrentIndex(int(*fields[i]));
        }
    }
    if (auto text = settings::echoAndRead(settings::folderFilePath()))
        showFolder = settings::showFolderFromText(*text);
}

bool BannerController::applicationShouldTerminateAfterLastWindowClosed()
{
    settings::saveSelections(settings::formatSelections(ui_.cmbFormat->currentIndex(), ui_.cmbbr->currentIndex(),
                                                        ui_.cmbRate->currentIndex(), ui_.cmbChannel->currentIndex()));
    return true;
}

// ---- batch start -----------------------------------------------------------

void BannerController::startnow(const QStringList& files, const QSet<qsizetype>& inexactNames)
{
    if (!chooseOutputFolder())
        return;
    batchStart(files, inexactNames);
}

void BannerController::pickAndStart()
{
    if (auto files = dialogs_->pickFiles(QStringLiteral("Select File(s)")))
        startnow(*files);
}

bool BannerController::chooseOutputFolder()
{
    if (ui_.cmbOutput->currentText() == engine::kOriginalFolder)
        return true;
    if (showFolder) {
        const int answer = dialogs_->runAlert(
            QStringLiteral("Select a folder"),
            QStringLiteral("Now please select a folder to save the output media files.\n(For example: Desktop)"),
            {QStringLiteral("Don't Show This Message Again"), QStringLiteral("OK")});
        qCDebug(lcUi, "answer: %d", answer);
        if (answer == 1000) {
            showFolder = false;
            // A folder.dat that cannot be written only means the reminder returns next run.
            if (!settings::writeFolderReminderOff())
                qCDebug(lcApp) << "folder.dat not written";
        }
    }
    const auto url = dialogs_->pickFolder(QStringLiteral("Output the File to"));
    if (!url)
        return false;
    outputpath = engine::outputFolderText(*url);
    ui_.txtOutputPath->setText(outputpath);
    return true;
}

bool BannerController::encoderUnusable(const QString& encoder, const QString& why)
{
    if (encoder.isEmpty()) {
        dialogs_->runAlert(QStringLiteral("The encoder is missing"),
                           QStringLiteral("The program \"ffmpeg\" was not found in %1. Reinstall Qelvanto, "
                                          "or install the ffmpeg package and build again.")
                               .arg(platform::resourceSearchDirs().join(QStringLiteral(" or "))));
        return true;
    }
    QString reason = why;
    if (reason.isEmpty() && !QFileInfo(encoder).isExecutable())
        reason = QStringLiteral("it is not executable");
    if (reason.isEmpty())
        return false;
    dialogs_->runAlert(QStringLiteral("The encoder cannot be run"),
                       QStringLiteral("The program \"%1\" could not be run: %2. Reinstall Qelvanto, "
                                      "or install the ffmpeg package and build again.")
                           .arg(encoder, reason));
    return true;
}

void BannerController::batchStart(const QStringList& files, const QSet<qsizetype>& inexactNames)
{
    if (encoderUnusable(platform::pathForResource(QStringLiteral("ffmpeg"))))
        return;
    convertfiles = files;
    inexactNames_ = inexactNames;
    fileCounter = quint64(files.size());
    report_.clear();
    qCDebug(lcEngine, "fileCounter: %llu", static_cast<unsigned long long>(fileCounter));
    convert();
}

// The encoder cannot be used: the batch ends here, without the completion alert.
void BannerController::abandonBatch()
{
    mainWindow_->setWindowTitle(kWindowTitle);
    stopSpinner();
    idleView();
    readyButton();
    fileCounter = 0;
    finishedFiles = 0;
}

// ---- one file --------------------------------------------------------------

int BannerController::filesLeft() const
{
    return int(fileCounter - 1 - finishedFiles);
}

void BannerController::convert()
{
    if (finishedFiles >= fileCounter) {
        endBatchOfConvert();
        return;
    }
    const QString input = convertfiles.at(qsizetype(finishedFiles));
    qCDebug(lcEngine).noquote() << "1Files:" << input;
    consoleFontReset();
    const QString encoder = platform::pathForResource(QStringLiteral("ffmpeg"));
    qCDebug(lcEngine).noquote() << "Orign:" << engine::deletingLastPathComponent(input);
    if (encoderUnusable(encoder)) {
        abandonBatch();
        return;
    }
    const QString converted = engine::convertedFolder(input);
    QDir().mkdir(converted);
    preparingView();
    current_ = {};
    current_.input = input;
    mainWindow_->setWindowTitle(QStringLiteral("Qelvanto — %1 of %2 — %3")
                                    .arg(finishedFiles + 1)
                                    .arg(fileCounter)
                                    .arg(engine::lastPathComponent(input)));

    // What the encoder must never be given: a name it would read as another file,
    // and anything that is not a regular file (a FIFO or device would block it).
    if (inexactNames_.contains(qsizetype(finishedFiles))) {
        leaveOut(engine::Outcome::LeftOut,
                 QStringLiteral("its name is not valid UTF-8, so it cannot be handed to the encoder unchanged"));
        return;
    }
    const platform::InputCheck check = platform::inspectInput(input);
    if (check.kind != platform::InputKind::Regular) {
        if (check.kind == platform::InputKind::NotRegular)
            leaveOut(engine::Outcome::LeftOut, check.reason);
        else
            leaveOut(engine::Outcome::Unreadable, check.reason, QStringLiteral("it cannot be read (%1)").arg(check.reason));
        return;
    }

    const engine::EncoderRun probe = engine::probeRun(encoder, input);
    if (probe.cannotRun()) {
        encoderUnusable(encoder, probe.launched ? QStringLiteral("it ended with code %1 at once").arg(probe.status)
                                                : probe.launchError);
        abandonBatch();
        return;
    }
    if (!probe.finished) {
        leaveOut(engine::Outcome::Unreadable,
                 QStringLiteral("the encoder did not finish reading it within %1 seconds").arg(engine::kProbeLimitMs / 1000));
        return;
    }
    const QString probeText = engine::decodeProbeBytes(probe.errorBytes);
    qCDebug(lcEngine).noquote() << "Grep:" << probeText;
    const QString ownText = engine::encoderOwnText(engine::withoutPath(probeText, input));
    qCDebug(lcEngine, "RangeErr: %lld", qlonglong(engine::invalidDataRangeLength(ownText)));
    if (!engine::acceptsProbe(ownText)) {
        skipFile();
        return;
    }

    const auto duration = engine::durationText(ownText);
    qCDebug(lcEngine).noquote() << "TotalDuration:" << duration.value_or(QString());
    if (duration && *duration == QLatin1String("N/A"))
        wavFallback(encoder, input);
    else
        TotalDuration = duration ? engine::durationSeconds(*duration).value_or(0) : 0;

    convertingView();
    engine::ConversionSettings s{ui_.cmbFormat->currentText(), ui_.cmbbr->currentText(),
                                 ui_.cmbRate->currentText(),   ui_.cmbChannel->currentIndex(),
                                 ui_.cmbOutput->currentText(), ui_.txtOutputPath->text()};
    const engine::ReservedName reserved = engine::reserveFreeName(engine::outputName(input, s));
    current_.output = reserved.path;
    current_.outputId = reserved.id;
    qCDebug(lcEngine).noquote() << "FinalFile:" << reserved.path;
    qCDebug(lcEngine, "channel: %d", s.channelIndex + 1);
    qCDebug(lcEngine).noquote() << "Rate:" << s.rate;
    qCDebug(lcEngine).noquote() << "Bitrate:" << s.bitrate;
    qCDebug(lcEngine).noquote() << "Format:" << s.format;
    const QString command = engine::commandText(encoder, input, reserved.path, s);

    // One progress timer per converted file, stopped when its file ends.
    stopProgressTimer();
    progressTimer_ = new QTimer(this);
    ++g_liveProgressTimers;
    progressTimer_->setTimerType(Qt::PreciseTimer);
    progressTimer_->setInterval(1000);
    QTimer* timer = progressTimer_;
    connect(timer, &QTimer::timeout, this, [this, timer] { timerFired(timer); });
    timer->start();

    qCDebug(lcEngine).noquote() << "path:" << input;
    ui_.textSource->setText(command);
    const QStringList arguments = engine::splitArguments(ui_.textSource->text());
    for (const QString& a : arguments)
        qCDebug(lcEngine, "arg: %s \n", qUtf8Printable(a));
    if (arguments.size() != engine::kArgumentCount) {
        leaveOut(engine::Outcome::LeftOut,
                 QStringLiteral("a name or setting holds the text %1, which would split the encoder's arguments")
                     .arg(engine::kArgumentSeparator));
        return;
    }
    launch(arguments);
}

void BannerController::wavFallback(const QString& encoder, const QString& input)
{
    // Only a name that held nothing, created by us, and removed only while it is
    // still the file we made: a user's own file or a link there is never touched.
    const engine::ReservedName wav = engine::reserveFreeName(engine::temporaryWavName(input));
    TotalDuration = 0;
    if (!wav.id) {
        qCDebug(lcEngine).noquote() << "No temporary file at" << wav.path << ":" << platform::errorText(errno);
        return;
    }
    engine::decodeRun(encoder, input, wav.path);
    const engine::EncoderRun second = engine::probeRun(encoder, wav.path);
    const auto duration = engine::durationText(
        engine::encoderOwnText(engine::withoutPath(engine::decodeProbeBytes(second.errorBytes), wav.path)));
    qCDebug(lcEngine).noquote() << "TotalDuration:" << duration.value_or(QString());
    TotalDuration = duration ? engine::durationSeconds(*duration).value_or(0) : 0;
    platform::removeIfSame(wav.path, *wav.id, false);
}

void BannerController::skipFile()
{
    report_.add({current_.input, engine::Outcome::NotAudio, {}, 0, {}});
    ++finishedFiles;
    if (finishedFiles < fileCounter) {
        // Never shorter than a second, whatever the timer's own rounding.
        auto* timer = new QTimer(this);
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        QElapsedTimer since;
        since.start();
        connect(timer, &QTimer::timeout, this, [this, timer, since] {
            if (const qint64 left = kSkipPauseMs - since.elapsed(); left > 0) {
                timer->start(int(left));
                return;
            }
            timerFired1(timer);
        });
        timer->start(kSkipPauseMs);
        return;
    }
    endBatchOfConvert();
}

void BannerController::timerFired1(QTimer* timer)
{
    timer->stop();
    timer->deleteLater();
    convert();
}

void BannerController::launch(const QStringList& arguments)
{
    setShellWrapper(runnerFactory_(arguments));
    if (shellWrapper_)
        shellWrapper_->setDelegate(this);
    try {
        if (shellWrapper_) {
            shellWrapper_->setOutputStringEncoding(platform::ASCIIStringEncoding);
            shellWrapper_->startProcess();
            write(QStringLiteral("launched: "));
            write(arguments.first());
            write(QStringLiteral("\r"));
        } else {
            write(QStringLiteral("Ops! Something went wrong.\r Was not able to execute command.\r"));
            leaveOut(engine::Outcome::Failed, QStringLiteral("the encoder could not be started"), QString());
        }
    } catch (const std::exception& e) {
        qCDebug(lcEngine).noquote().nospace() << "Caught " << exceptionName(e) << ": " << exceptionReason(e);
        processLaunchException(e);
    }
    ui_.imgView->showImageNamed(QStringLiteral("door.jpg"));
}

// A file that never reached the encoder: say so, keep its outcome, go on with the
// next one on the next pass of the event loop, so a long run of them cannot
// nest calls without end.
void BannerController::leaveOut(engine::Outcome outcome, const QString& reason, const QString& consoleReason)
{
    if (!consoleReason.isNull())
        write(QStringLiteral("\rLeft out %1: %2.\r").arg(current_.input, consoleReason.isEmpty() ? reason : consoleReason));
    stopProgressTimer();
    releaseOutput();
    report_.add({current_.input, outcome, {}, 0, reason});
    scrollToEnds();
    readyButton();
    QTimer::singleShot(0, this, [this] { moveOn(true); });
}

// The empty file reserved for the output goes again when the encoder put nothing in it.
void BannerController::releaseOutput()
{
    if (current_.outputId)
        platform::removeIfSame(current_.output, *current_.outputId, true);
    current_.outputId.reset();
}

void BannerController::moveOn(bool alert)
{
    ++finishedFiles;
    if (finishedFiles < fileCounter) {
        convert();
        return;
    }
    endBatch(alert);
}

void BannerController::processStarted(KVShellWrapper*)
{
    runningView();
}

engine::FileOutcome BannerController::judgeEnd(int status) const
{
    engine::FileOutcome o{current_.input, engine::Outcome::Converted, current_.output, status, {}};
    if (status != 0) {
        o.outcome = current_.stopRequested ? engine::Outcome::Stopped : engine::Outcome::Failed;
        o.reason = engine::lastDiagnosticLine(ui_.errorOutlet->toPlainText());
        return o;
    }
    // The encoder exits 0 also when it could not write, for one on a full disk.
    const std::optional<qint64> size = current_.outputId ? platform::sizeIfSame(current_.output, *current_.outputId)
                                                         : platform::regularFileSize(current_.output);
    if (!size || *size == 0 || current_.sawNoSpace) {
        o.outcome = engine::Outcome::Failed;
        o.reason = current_.sawNoSpace ? QStringLiteral("the disk is full")
                                       : QStringLiteral("the encoder reported success but wrote nothing");
    }
    return o;
}

void BannerController::processFinishedWithTerminationStatus(KVShellWrapper*, int status)
{
    stopProgressTimer();
    const engine::FileOutcome outcome = judgeEnd(status);
    report_.add(outcome);
    processEndRefresh(status);
    if (status == 0 && outcome.outcome == engine::Outcome::Failed)
        write(QStringLiteral("\rNot converted %1: %2.\r").arg(current_.input, outcome.reason));
    if (outcome.outcome != engine::Outcome::Converted)
        releaseOutput();
    moveOn(true);
}

void BannerController::processLaunchException(const std::exception& exception)
{
    stopProgressTimer();
    releaseOutput();
    report_.add({current_.input, engine::Outcome::Failed, {}, -1,
                 QStringLiteral("the encoder could not be started (%1)").arg(exceptionName(exception))});
    processEndRefreshException(exceptionName(exception));
    moveOn(false);
}

void BannerController::stopTask(QObject*)
{
    if (shellWrapper_) {
        current_.stopRequested = true;
        shellWrapper_->stopProcess();
    }
}

void BannerController::setShellWrapper(const std::shared_ptr<KVShellWrapper>& wrapper)
{
    if (wrapper == shellWrapper_)
        return;
    auto old = std::move(shellWrapper_);
    shellWrapper_ = wrapper;
    old.reset();
}

qint64 BannerController::secondsForTimeString(const QString& text)
{
    return engine::secondsForTimeString(text);
}

// ---- progress ----------------------------------------------------------------

void BannerController::stopProgressTimer()
{
    if (!progressTimer_)
        return;
    progressTimer_->stop();
    progressTimer_->deleteLater();
    progressTimer_ = nullptr;
    --g_liveProgressTimers;
}

void BannerController::timerFired(QTimer* timer)
{
    if (finishedFiles >= fileCounter) {
        if (timer == progressTimer_)
            stopProgressTimer();
        return;
    }
    const QString errorText = ui_.errorOutlet->toPlainText();
    qCDebug(lcEngine).noquote() << "Error2:" << errorText;
    if (const auto percent = engine::progressPercent(errorText, TotalDuration)) {
        ui_.lblPbNow->setText(QStringLiteral("%1%").arg(*percent));
        // The bar cannot show more than full; the label does.
        ui_.pbBar->setValue(std::clamp(*percent, ui_.pbBar->minimum(), ui_.pbBar->maximum()));
    }
}

// ---- console and views -------------------------------------------------------

void BannerController::write(const QString& text)
{
    QTextCursor cursor(ui_.textOutlet->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    ui_.textOutlet->verticalScrollBar()->setValue(ui_.textOutlet->verticalScrollBar()->maximum());
}

void BannerController::processAppendOutput(KVShellWrapper*, const QVariant& chunk)
{
    write(chunk.toString());
    qCDebug(lcUi).noquote() << "stdout:" << chunk.toString();
}

void BannerController::processAppendError(KVShellWrapper*, const QString& chunk)
{
    ui_.errorOutlet->setPlainText(chunk);
    if (chunk.contains(QLatin1String("No space left on device"))
        && engine::encoderOwnText(chunk).contains(QLatin1String("No space left on device")))
        current_.sawNoSpace = true;
}

void BannerController::printBanner(QObject*)
{
    ui_.imgView->showImageNamed(QStringLiteral("door.jpg"));
}

void BannerController::lblWebClick(QObject*)
{
    QDesktopServices::openUrl(webPageUrl());
}

void BannerController::cmbOutputAction(QObject*) {}

void BannerController::consoleFontSetup()
{
    QFont font = QFontDatabase::hasFamily(QStringLiteral("Monaco"))
                     ? QFont(QStringLiteral("Monaco"))
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(12.0);
    QTextCursor cursor(ui_.textOutlet->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral(" \n"));
    ui_.textOutlet->setFont(font);
}

void BannerController::consoleFontReset()
{
    ui_.textOutlet->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

void BannerController::setSettingsVisible(bool visible)
{
    QWidget* controls[] = {ui_.lblFormat, ui_.cmbFormat, ui_.lblSize,  ui_.cmbbr, ui_.lblPX,
                           ui_.cmbRate,   ui_.cmbChannel, ui_.lblrate, ui_.lblHz, ui_.lblChannel};
    for (QWidget* w : controls)
        w->setVisible(visible);
}

// A stopped spinner is not drawn.
void BannerController::startSpinner()
{
    ui_.pb->setRange(0, 0);
}

void BannerController::stopSpinner()
{
    ui_.pb->setRange(0, 1);
    ui_.pb->hide();
}

void BannerController::preparingView()
{
    progressSign = true;
    setSettingsVisible(false);
    ui_.cmbOutput->hide();
    ui_.lblOutputPath->hide();
    ui_.pbBar->hide();
    ui_.lblpb->show();
    ui_.lblPbNow->hide();
    ui_.pb->show();
    startSpinner();
    ui_.lblpb->setText(QStringLiteral("Preparing the File - %1 File(s) Left").arg(filesLeft()));
    stopButton();
}

void BannerController::convertingView()
{
    stopSpinner();
    ui_.pbBar->show();
    ui_.lblPbNow->show();
    ui_.lblpb->setText(QStringLiteral("Converting - %1 File(s) Left").arg(filesLeft()));
    ui_.lblPbNow->setText(QStringLiteral("0%"));
}

void BannerController::runningView()
{
    progressSign = true;
    setSettingsVisible(false);
    ui_.cmbOutput->hide();
    ui_.lblOutputPath->hide();
    ui_.lblpb->show();
    ui_.lblPbNow->show();
    ui_.pbBar->show();
    stopButton();
}

void BannerController::idleView()
{
    progressSign = false;
    setSettingsVisible(true);
    ui_.cmbOutput->show();
    ui_.lblOutputPath->show();
    ui_.pbBar->hide();
    ui_.lblpb->hide();
    ui_.lblPbNow->hide();
}

void BannerController::stopButton()
{
    ui_.runButton->setText(QStringLiteral("Stop"));
    runAction_ = &BannerController::stopTask;
}

void BannerController::readyButton()
{
    ui_.runButton->setEnabled(true);
    ui_.runButton->setText(QStringLiteral("Execute"));
    runAction_ = &BannerController::printBanner;
}

void BannerController::scrollToEnds()
{
    for (QPlainTextEdit* view : {ui_.textOutlet, ui_.errorOutlet})
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
}

void BannerController::processEndRefresh(int status)
{
    write(QStringLiteral("\rcommand finished. Result code: %1\r").arg(status));
    setShellWrapper(nullptr);
    scrollToEnds();
    readyButton();
}

void BannerController::processEndRefreshException(const QString& name)
{
    write(QStringLiteral("\rcaught %1 while executing command\r").arg(name));
    scrollToEnds();
    readyButton();
    setShellWrapper(nullptr);
}

void BannerController::endBatchOfConvert()
{
    ui_.pb->setRange(0, 1); // stopped, and so no longer drawn
    ui_.pb->hide();
    idleView();
    fileCounter = 0;
    finishedFiles = 0;
    completionAlert();
}

void BannerController::endBatch(bool alert)
{
    mainWindow_->setWindowTitle(kWindowTitle);
    idleView();
    fileCounter = 0;
    finishedFiles = 0;
    if (alert)
        completionAlert();
}

void BannerController::completionAlert()
{
    mainWindow_->setWindowTitle(kWindowTitle);
    dialogs_->runAlert(QStringLiteral("Complete"), report_.alertText(convertfiles.size()));
}
