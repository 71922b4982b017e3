#include "BannerController.h"

#include "MainWindow.h"
#include "WindowSetup.h"
#include "app/Settings.h"
#include "engine/CommandLine.h"
#include "engine/OutputFolder.h"
#include "engine/Progress.h"
#include "engine/TimeString.h"
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
#include <QThread>
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
    // One file at a time up to one per core.
    for (int k = 1; k <= maxJobs(); ++k)
        ui_.cmbJobs->addItem(k == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(k));
    // Ctrl+O picks files from anywhere in the window, refused like a click while busy.
    auto* open = new QShortcut(QKeySequence::Open, mainWindow_);
    connect(open, &QShortcut::activated, this, [this] { ui_.imgView->mouseUp(); });
    ui_.lblHint->setForegroundRole(QPalette::PlaceholderText); // readable in light and dark themes
    // The grid's own spacing is lost inside spanned columns; captions and units keep
    // their distance from the boxes themselves.
    for (QLabel* caption : {ui_.lblFormat, ui_.lblSize, ui_.lblrate, ui_.lblChannel, ui_.lblJobs, ui_.lblOutputPath})
        caption->setContentsMargins(0, 0, 8, 0);
    for (QLabel* unit : {ui_.lblPX, ui_.lblHz})
        unit->setContentsMargins(6, 0, 0, 0);
    ui_.lblPbNow->setContentsMargins(8, 0, 0, 0);
    // What a view hides keeps its place, so nothing else moves between views.
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui_.lblFormat, ui_.cmbFormat, ui_.lblSize, ui_.cmbbr, ui_.lblPX, ui_.cmbRate, ui_.cmbChannel, ui_.lblrate,
             ui_.lblHz, ui_.lblChannel, ui_.lblJobs, ui_.cmbJobs, ui_.cmbOutput, ui_.lblOutputPath, ui_.pbBar, ui_.lblpb, ui_.lblPbNow, ui_.pb}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    connect(ui_.runButton, &QPushButton::clicked, this, [this] { (this->*runAction_)(ui_.runButton); });
    connect(ui_.lblWeb, &QPushButton::clicked, this, [this] { lblWebClick(ui_.lblWeb); });
    connect(ui_.cmbOutput, &QComboBox::activated, this, [this] { cmbOutputAction(ui_.cmbOutput); });
    followOutputChoice(ui_.cmbOutput, ui_.txtOutputPath);
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
    ui_.cmbJobs->setCurrentIndex(settings::readJobs(maxJobs()) - 1);
}

bool BannerController::applicationShouldTerminateAfterLastWindowClosed()
{
    settings::saveSelections(settings::formatSelections(ui_.cmbFormat->currentIndex(), ui_.cmbbr->currentIndex(),
                                                        ui_.cmbRate->currentIndex(), ui_.cmbChannel->currentIndex()));
    settings::saveJobs(std::max(1, ui_.cmbJobs->currentIndex() + 1));
    return true;
}

int BannerController::maxJobs()
{
    return std::max(1, QThread::idealThreadCount());
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
    jobs_ = std::max(1, ui_.cmbJobs->currentIndex() + 1);
    report_.clear();
    abandoning_ = false;
    nextFile_ = 0;
    qCDebug(lcEngine, "fileCounter: %llu", static_cast<unsigned long long>(fileCounter));
    if (jobs_ == 1 || fileCounter == 0) {
        convert();
        return;
    }
    progress_ = QList<engine::FileProgress>(qsizetype(fileCounter));
    fillSlots();
}

// The encoder cannot be used: no further file starts; the batch ends without the
// completion alert once nothing runs any more.
void BannerController::abandonBatch()
{
    abandoning_ = true;
    if (runningJourneys() > 0)
        return;
    stopProgressTimer();
    mainWindow_->setWindowTitle(kWindowTitle);
    stopSpinner();
    idleView();
    readyButton();
    fileCounter = 0;
    finishedFiles = 0;
}

// ---- files, one at a time or several at once --------------------------------

int BannerController::filesLeft() const
{
    // One at a time: the files after the current one. Several: those not finished.
    return jobs_ == 1 ? int(fileCounter - 1 - finishedFiles) : int(fileCounter - finishedFiles);
}

int BannerController::runningJourneys() const
{
    return int(std::count_if(journeys_.cbegin(), journeys_.cend(), [](const auto& j) { return !j->ended(); }));
}

bool BannerController::anyConverting() const
{
    return std::any_of(journeys_.cbegin(), journeys_.cend(), [](const auto& j) { return j->converting(); });
}

void BannerController::convert()
{
    if (finishedFiles >= fileCounter) {
        endBatchOfConvert();
        return;
    }
    startJourney(qsizetype(finishedFiles));
}

void BannerController::fillSlots()
{
    if (filling_ || jobs_ == 1)
        return;
    filling_ = true;
    while (!abandoning_ && runningJourneys() < jobs_ && nextFile_ < qsizetype(fileCounter))
        startJourney(nextFile_++);
    filling_ = false;
    if (runningJourneys() > 0)
        return;
    if (abandoning_)
        abandonBatch();
    else if (finishedFiles >= fileCounter && fileCounter > 0) {
        stopProgressTimer();
        readyButton();
        endBatch(true);
    }
}

void BannerController::startJourney(qsizetype index)
{
    const QString input = convertfiles.at(index);
    qCDebug(lcEngine).noquote() << "1Files:" << input;
    consoleFontReset();
    const QString encoder = platform::pathForResource(QStringLiteral("ffmpeg"));
    qCDebug(lcEngine).noquote() << "Orign:" << engine::deletingLastPathComponent(input);
    if (encoderUnusable(encoder)) {
        abandonBatch();
        return;
    }
    engine::Journey::Setup setup{input, !inexactNames_.contains(index), encoder,
                                 engine::ConversionSettings{ui_.cmbFormat->currentText(), ui_.cmbbr->currentText(),
                                                            ui_.cmbRate->currentText(), ui_.cmbChannel->currentIndex(),
                                                            ui_.cmbOutput->currentText(), ui_.txtOutputPath->text()},
                                 runnerFactory_};
    journeys_.push_back(std::make_unique<engine::Journey>(std::move(setup), this));
    engine::Journey* journey = journeys_.back().get();
    journeyIndex_[journey] = index;
    showTitle();
    journey->start();
    // After the launch step, whatever it gave: the resting door.
    if (launchReached_.remove(journey))
        ui_.imgView->showImageNamed(QStringLiteral("door.jpg"));
}

void BannerController::showTitle()
{
    QStringList names;
    for (const auto& j : journeys_)
        if (!j->ended())
            names << engine::lastPathComponent(j->input());
    mainWindow_->setWindowTitle(QStringLiteral("Qelvanto — %1 of %2 — %3")
                                    .arg(finishedFiles + 1)
                                    .arg(fileCounter)
                                    .arg(names.join(QStringLiteral(", "))));
}

void BannerController::journeyPreparing(engine::Journey*)
{
    if (jobs_ == 1 || !anyConverting())
        preparingView();
    else
        ui_.lblpb->setText(QStringLiteral("Converting - %1 File(s) Left").arg(filesLeft()));
}

void BannerController::journeyConverting(engine::Journey* journey)
{
    if (jobs_ > 1) {
        progress_[journeyIndex_.value(journey)].duration = journey->totalDuration();
        // The bar shows the whole batch, not this file: it never starts again at 0%.
        if (ui_.pbBar->isHidden())
            convertingView();
        ui_.lblpb->setText(QStringLiteral("Converting - %1 File(s) Left").arg(filesLeft()));
        showBatchProgress();
        if (!progressTimer_)
            startProgressTimer();
        return;
    }
    TotalDuration = journey->totalDuration();
    convertingView();
    // One progress timer per converted file, stopped when its file ends.
    stopProgressTimer();
    startProgressTimer();
}

QStringList BannerController::journeyArguments(engine::Journey*, const QString& commandText)
{
    ui_.textSource->setText(commandText);
    return engine::splitArguments(ui_.textSource->text());
}

void BannerController::journeyRunnerMade(engine::Journey* journey)
{
    launchReached_.insert(journey);
    setShellWrapper(journey->runner());
}

void BannerController::journeyStarted(engine::Journey*)
{
    processStarted(nullptr);
}

void BannerController::journeyLaunched(engine::Journey*, const QStringList& arguments)
{
    write(QStringLiteral("launched: "));
    write(arguments.first());
    write(QStringLiteral("\r"));
}

void BannerController::journeyOutput(engine::Journey*, const QString& chunk)
{
    processAppendOutput(nullptr, chunk);
}

void BannerController::journeyError(engine::Journey* journey, const QString& chunk)
{
    errorViewBeginsForeign_ = journey->errorChunkBeganInForeignLine();
    processAppendError(nullptr, chunk);
}

void BannerController::journeyEnded(engine::Journey* journey)
{
    const engine::FileOutcome& outcome = journey->outcome();
    const qsizetype index = journeyIndex_.value(journey);
    if (journey->ending() != engine::Ending::EncoderUnusable)
        report_.add(outcome);
    if (jobs_ > 1 && index < progress_.size())
        progress_[index].finished = true;
    retire(journey);
    if (shellWrapper_ && shellWrapper_ == journey->runner()) {
        // The runner held is that of a conversion still running, if any.
        std::shared_ptr<KVShellWrapper> other;
        for (const auto& j : journeys_)
            if (j->converting())
                other = j->runner();
        setShellWrapper(jobs_ == 1 ? shellWrapper_ : other);
    }

    switch (journey->ending()) {
    case engine::Ending::Finished:
        processFinishedWithTerminationStatus(nullptr, outcome.resultCode);
        if (outcome.resultCode == 0 && outcome.outcome == engine::Outcome::Failed)
            write(QStringLiteral("\rNot converted %1: %2.\r").arg(outcome.input, outcome.reason));
        advance(true, false);
        return;
    case engine::Ending::LaunchFailed:
        processLaunchException(journey->endingName());
        advance(false, false);
        return;
    case engine::Ending::NoRunner:
        write(QStringLiteral("Ops! Something went wrong.\r Was not able to execute command.\r"));
        endOfFileNotRun();
        advance(true, true);
        return;
    case engine::Ending::LeftOut:
        write(QStringLiteral("\rLeft out %1: %2.\r")
                  .arg(outcome.input, outcome.consoleReason.isEmpty() ? outcome.reason : outcome.consoleReason));
        endOfFileNotRun();
        advance(true, true);
        return;
    case engine::Ending::NotAudio:
        skipFile();
        return;
    case engine::Ending::EncoderUnusable:
        encoderUnusable(platform::pathForResource(QStringLiteral("ffmpeg")), outcome.reason);
        if (jobs_ > 1)
            ++finishedFiles;
        abandonBatch();
        return;
    }
}

// A journey that has ended goes once nothing of it is on the stack any more.
void BannerController::retire(engine::Journey* journey)
{
    journeyIndex_.remove(journey);
    const auto it = std::find_if(journeys_.begin(), journeys_.end(), [&](const auto& j) { return j.get() == journey; });
    if (it == journeys_.end())
        return;
    it->release()->deleteLater();
    journeys_.erase(it);
}

// A file that never reached the encoder's conversion: its console line is written.
void BannerController::endOfFileNotRun()
{
    if (jobs_ == 1)
        stopProgressTimer();
    scrollToEnds();
    if (!anyConverting())
        readyButton();
}

// On to the next file. Several at once: a slot is free. One at a time: the next
// file now, or, after a file that never ran, on the next pass of the event loop,
// so a long run of them cannot nest calls without end.
void BannerController::advance(bool alert, bool queued)
{
    if (jobs_ > 1) {
        ++finishedFiles;
        if (finishedFiles < fileCounter)
            showTitle();
        ui_.lblpb->setText(QStringLiteral("Converting - %1 File(s) Left").arg(filesLeft()));
        QTimer::singleShot(0, this, [this] { fillSlots(); });
        return;
    }
    if (queued)
        QTimer::singleShot(0, this, [this, alert] { moveOn(alert); });
    else
        moveOn(alert);
}

void BannerController::skipFile()
{
    if (jobs_ > 1) {
        advance(true, true);
        return;
    }
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

void BannerController::processFinishedWithTerminationStatus(KVShellWrapper*, int status)
{
    if (jobs_ == 1)
        stopProgressTimer();
    processEndRefresh(status);
}

void BannerController::processLaunchException(const QString& name)
{
    if (jobs_ == 1)
        stopProgressTimer();
    processEndRefreshException(name);
}

void BannerController::stopTask(QObject*)
{
    // Every conversion that runs; each ends by the ordinary road.
    for (const auto& j : journeys_)
        j->stop();
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

int BannerController::liveProgressTimers() const
{
    const auto timers = findChildren<QTimer*>(QStringLiteral("progressTimer"));
    return int(std::count_if(timers.cbegin(), timers.cend(), [](const QTimer* t) { return t->isActive(); }));
}

// Several at once: the whole batch, each file by its share.
void BannerController::showBatchProgress()
{
    for (const auto& j : journeys_)
        if (journeyIndex_.contains(j.get()))
            progress_[journeyIndex_.value(j.get())].position = j->position();
    const int percent = engine::batchPercent(progress_);
    ui_.lblPbNow->setText(QStringLiteral("%1%").arg(percent));
    ui_.pbBar->setValue(std::clamp(percent, ui_.pbBar->minimum(), ui_.pbBar->maximum()));
}

void BannerController::startProgressTimer()
{
    progressTimer_ = new QTimer(this);
    progressTimer_->setObjectName(QStringLiteral("progressTimer"));
    progressTimer_->setTimerType(Qt::PreciseTimer);
    progressTimer_->setInterval(1000);
    QTimer* timer = progressTimer_;
    connect(timer, &QTimer::timeout, this, [this, timer] { timerFired(timer); });
    timer->start();
}

void BannerController::stopProgressTimer()
{
    if (!progressTimer_)
        return;
    progressTimer_->stop();
    progressTimer_->deleteLater();
    progressTimer_ = nullptr;
}

void BannerController::timerFired(QTimer* timer)
{
    if (finishedFiles >= fileCounter) {
        if (timer == progressTimer_)
            stopProgressTimer();
        return;
    }
    if (jobs_ > 1) {
        showBatchProgress();
        return;
    }
    const QString errorText = ui_.errorOutlet->toPlainText();
    qCDebug(lcEngine).noquote() << "Error2:" << errorText;
    if (const auto percent = engine::progressPercent(errorText, TotalDuration, errorViewBeginsForeign_)) {
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
    // The ten in their fixed order, then how many files at once.
    QWidget* controls[] = {ui_.lblFormat, ui_.cmbFormat, ui_.lblSize,  ui_.cmbbr,   ui_.lblPX,  ui_.cmbRate,
                           ui_.cmbChannel, ui_.lblrate, ui_.lblHz, ui_.lblChannel, ui_.lblJobs, ui_.cmbJobs};
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
    if (jobs_ == 1)
        setShellWrapper(nullptr);
    scrollToEnds();
    if (!anyConverting())
        readyButton();
}

void BannerController::processEndRefreshException(const QString& name)
{
    write(QStringLiteral("\rcaught %1 while executing command\r").arg(name));
    scrollToEnds();
    if (!anyConverting())
        readyButton();
    if (jobs_ == 1)
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
    // A last file that never reached its conversion leaves the spinner of its preparing view.
    if (!ui_.pb->isHidden())
        stopSpinner();
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
