#include "BannerController.h"

#include "BatchListModel.h"
#include "DesktopIntegration.h"
#include "MainWindow.h"
#include "WindowSetup.h"
#include "engine/CommandLine.h"
#include "engine/FileWork.h"
#include "engine/OutputFolder.h"
#include "engine/Settings.h"
#include "engine/TimeString.h"
#include "platform/Log.h"
#include "ui_MainWindow.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QTreeView>

BannerController* sharedBannerController = nullptr;

BannerController::BannerController() : mainWindow_(new MainWindow), ui_(&mainWindow_->ui())
{
    mainWindow_->setWindowIcon(applicationIcon());
    mainWindow_->onClose = [this] {
        applicationShouldTerminateAfterLastWindowClosed();
        endWithTheWindow();
    };
    dialogs_ = std::make_unique<WidgetDialogs>(mainWindow_);
    // Ctrl+O picks files from anywhere in the window, Ctrl+Shift+O a folder; both
    // refused like a click while busy.
    connect(new QShortcut(QKeySequence::Open, mainWindow_), &QShortcut::activated, this, [this] { ui_->imgView->mouseUp(); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), mainWindow_), &QShortcut::activated, this,
            [this] { ui_->imgView->addFolder(); });
    connect(ui_->runButton, &QPushButton::clicked, this, [this] { (this->*runAction_)(ui_->runButton); });
    connect(ui_->lblWeb, &QPushButton::clicked, this, [this] { lblWebClick(ui_->lblWeb); });
    connect(ui_->cmbOutput, &QComboBox::activated, this, [this] { cmbOutputAction(ui_->cmbOutput); });
    followOutputChoice(ui_->cmbOutput, ui_->txtOutputPath);
    // What the chosen combination means is said as soon as it is chosen.
    for (QComboBox* box : {ui_->cmbFormat, ui_->cmbbr, ui_->cmbRate, ui_->cmbChannel})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { showChoiceNotes(); });
    // Enter and a double click alike.
    connect(listView(), &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (const QString output = listModel()->convertedOutput(index.row()); !output.isEmpty())
            showInFileManager(output);
    });
}

BannerController::~BannerController()
{
    // A conversion may outlive its delegate; it must not report to a dead one.
    if (shellWrapper_)
        shellWrapper_->setDelegate(nullptr);
    setShellWrapper(nullptr);
    stopProgressTimer();
    presenter_.reset();
    if (sharedBannerController == this)
        sharedBannerController = nullptr;
    delete mainWindow_;
}

Ui::MainWindow& BannerController::outlets()
{
    return *ui_;
}

BatchListModel* BannerController::listModel() const
{
    return mainWindow_->listModel();
}

QTreeView* BannerController::listView() const
{
    return mainWindow_->list();
}

void BannerController::setDialogs(std::unique_ptr<ModalDialogs> dialogs)
{
    dialogs_ = std::move(dialogs);
}

int BannerController::maxJobs()
{
    return settings::maxJobs();
}

// ---- start-up and shut-down ------------------------------------------------

void BannerController::applicationDidFinishLaunching()
{
    sharedBannerController = this;
    // No batch is loaded yet, so the counters read 0.
    showFolder = true;
    progressSign = false;
    ui_->cmbFormat->setCurrentIndex(0);
    ui_->cmbbr->setCurrentIndex(5);
    ui_->cmbRate->setCurrentIndex(2);
    ui_->cmbChannel->setCurrentIndex(1);
    ui_->imgView->installTrackingArea();
    ui_->imgView->setFocus();
    restoreSettings();
    consoleFontSetup();
    ui_->textSource->hide();
    ui_->imgView->showImageNamed(QStringLiteral("door.jpg"));
}

void BannerController::restoreSettings()
{
    const settings::SavedChoices saved = settings::readSavedChoices(maxJobs(), stdout);
    showFolder = saved.showFolder;
    applyChoices(*ui_, saved);
    showChoiceNotes();
}

engine::ConversionSettings BannerController::chosenSettings() const
{
    return choicesOf(*ui_);
}

void BannerController::showChoiceNotes()
{
    const engine::ConversionSettings s = chosenSettings();
    ui_->lblOpusRate->setText(engine::Presenter::opusNote(s));
    ui_->lblRefused->setText(engine::Presenter::refusalNote(s));
}

bool BannerController::applicationShouldTerminateAfterLastWindowClosed()
{
    saveChoices(*ui_);
    return true;
}

void BannerController::endWithTheWindow()
{
    if (!loaded() || closing_)
        return;
    // Nothing converting could ever be published once we are gone: what runs is
    // ended, its unfinished files removed, and then the program ends.
    closing_ = true;
    QGuiApplication::setQuitOnLastWindowClosed(false);
    batch_->abort();
    // Should a call on a hung mount never return, the program still ends.
    QTimer::singleShot(kMostClosingMs, this, [this] { quit(); });
}

// ---- batch start -----------------------------------------------------------

void BannerController::startnow(const QStringList& files, const QSet<qsizetype>& inexactNames,
                                const QStringList& subfolders)
{
    engine::CollectedInputs inputs;
    inputs.paths = files;
    inputs.inexact = inexactNames;
    inputs.subfolders = subfolders;
    startCollected(std::move(inputs));
}

void BannerController::startCollected(engine::CollectedInputs inputs)
{
    if (!chooseOutputFolder())
        return;
    batchStart(std::move(inputs));
}

void BannerController::pickAndStart()
{
    if (auto files = dialogs_->pickFiles(tr("Select File(s)")))
        startnow(*files);
}

void BannerController::collectAndStart(const QList<QByteArray>& dropped, bool askFirst)
{
    collecting_ = true;
    engine::offThread(
        this, [dropped] { return engine::collectInputs(dropped); },
        [this, askFirst](const engine::CollectedInputs& files) {
            collecting_ = false;
            if (askFirst && !agreesToConvert(files))
                return;
            startCollected(files);
        });
}

bool BannerController::agreesToConvert(const engine::CollectedInputs& inputs)
{
    const QString question = engine::Presenter::openQuestion(inputs.paths.size(), chosenSettings());
    qCDebug(lcUi).noquote() << "Asking:" << question;
    return dialogs_->runAlert(tr("Convert these files?"), question,
                              {tr("Convert"), tr("Cancel")})
        == 1000;
}

void BannerController::pickFolderAndStart()
{
    if (auto folder = dialogs_->pickInputFolder(tr("Select Folder")))
        collectAndStart({QFile::encodeName(*folder)});
}

bool BannerController::chooseOutputFolder()
{
    if (ui_->cmbOutput->currentIndex() == kOriginalFolderIndex)
        return true;
    if (showFolder) {
        const int answer = dialogs_->runAlert(
            tr("Select a folder"),
            tr("Now please select a folder to save the output media files.\n(For example: Desktop)"),
            {tr("Don't Show This Message Again"), tr("OK")});
        qCDebug(lcUi, "answer: %d", answer);
        if (answer == 1000) {
            showFolder = false;
            // A folder.dat that cannot be written only means the reminder returns next run.
            if (!settings::writeFolderReminderOff())
                qCDebug(lcApp) << "folder.dat not written";
        }
    }
    // The picker opens where the last choice was made.
    const auto url = dialogs_->pickFolder(tr("Output the File to"), outputpath);
    if (!url)
        return false;
    outputpath = engine::outputFolderText(*url);
    ui_->txtOutputPath->setText(outputpath);
    return true;
}

void BannerController::batchStart(engine::CollectedInputs inputs)
{
    // A chosen folder inside a dropped one holds results, not inputs, and cue
    // sheets are read: both look at files, off the window's thread.
    const bool chosen = ui_->cmbOutput->currentIndex() != kOriginalFolderIndex && !inputs.folders.isEmpty();
    if (chosen || ui_->chkSplitCue->isChecked()) {
        collecting_ = true;
        engine::offThread(
            this,
            [inputs = std::move(inputs), folder = chosen ? ui_->txtOutputPath->text() : QString(),
             split = ui_->chkSplitCue->isChecked()]() mutable {
                engine::leaveOutOutputFolder(inputs, folder);
                if (split)
                    engine::splitByCueSheets(inputs);
                return inputs;
            },
            [this](const engine::CollectedInputs& kept) {
                collecting_ = false;
                createBatch(kept);
            });
        return;
    }
    createBatch(inputs);
}

void BannerController::createBatch(const engine::CollectedInputs& inputs)
{
    for (const QString& note : inputs.notes)
        write(QStringLiteral("\r%1\r").arg(note));
    convertfiles = inputs.paths;
    // The settings controls are hidden while the batch runs: every file gets the
    // choices made now.
    engine::BatchSetup setup{.files = inputs.paths,
                             .inexact = inputs.inexact,
                             .subfolders = inputs.subfolders,
                             .leftOut = inputs.leftOut,
                             .tracks = inputs.tracks,
                             .jobs = std::max(1, ui_->cmbJobs->currentIndex() + 1),
                             .settings = chosenSettings(),
                             .makeRunner = runnerFactory_};
    presenter_.reset();
    batch_.reset(new engine::Batch(std::move(setup), this));
    presenter_ = std::make_unique<engine::Presenter>(*batch_, engine::Door::Window);
    listModel()->setBatch(batch_.get(), presenter_.get());
    mainWindow_->placeList(true);
    connect(batch_.get(), &engine::Batch::progressed, this, &BannerController::batchTick);
    batch_->start();
}

quint64 BannerController::getFileCount() const
{
    return loaded() ? quint64(batch_->size()) : 0;
}

quint64 BannerController::finishedFileCount() const
{
    return loaded() ? batch_->finished() : 0;
}

const engine::BatchReport& BannerController::report() const
{
    static const engine::BatchReport none;
    return batch_ ? batch_->report() : none;
}

// ---- the batch's and the journeys' events -----------------------------------

bool BannerController::announcesAtTheTick() const
{
    return screenReader_.value_or(QAccessible::isActive());
}

void BannerController::batchTick()
{
    // Everything that changes while files convert is applied here, in one step.
    flushConsole();
    listModel()->refresh();
    for (const engine::Journey* j : batch_->running()) {
        listView()->scrollTo(listModel()->index(int(j->index()), 0)); // the file in work stays in sight
        break;
    }
    if (const auto left = batch_->secondsLeft()) {
        ui_->lblTimeLeft->setText(engine::timeLeftText(*left));
        ui_->lblTimeLeft->setVisible(!ui_->pbBar->isHidden());
    } else {
        ui_->lblTimeLeft->hide();
    }
    if (const QString title = presenter_->title(); !title.isEmpty())
        mainWindow_->setWindowTitle(title);
    // Several at once, files end between the views: the count follows here.
    if (batch_->anyConverting())
        ui_->lblpb->setText(presenter_->convertingLine());
}

void BannerController::journeyPreparing(engine::Journey*)
{
    consoleFontReset();
    if (!announcesAtTheTick())
        if (const QString title = presenter_->title(); !title.isEmpty())
            mainWindow_->setWindowTitle(title);
    // While another file converts, its view stays.
    if (!batch_->anyConverting())
        preparingView();
}

void BannerController::journeyConverting(engine::Journey* journey)
{
    TotalDuration = journey->totalDuration();
    bool another = false;
    for (const engine::Journey* j : batch_->running())
        another = another || (j != journey && j->converting());
    if (!another)
        convertingView();
    if (another && announcesAtTheTick())
        return; // the tick says it
    ui_->lblpb->setText(presenter_->convertingLine());
    showProgress(presenter_->barPercentAtStart());
}

void BannerController::journeyNamed(engine::Journey*)
{
    if (!progressTimer_)
        startProgressTimer();
}

QStringList BannerController::journeyArguments(engine::Journey*, const QString& commandText)
{
    ui_->textSource->setText(commandText);
    return engine::splitArguments(ui_->textSource->text());
}

void BannerController::journeyRunnerMade(engine::Journey* journey)
{
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
    ui_->imgView->showImageNamed(QStringLiteral("door.jpg"));
}

void BannerController::journeyOutput(engine::Journey*, const QString& chunk)
{
    processAppendOutput(nullptr, chunk);
}

void BannerController::journeyError(engine::Journey* journey, const QString& chunk)
{
    // A line of megabytes would hold the window while it is laid out: its end is enough.
    errorViewBeginsForeign_ = journey->errorChunkBeganInForeignLine() || chunk.size() > kErrorViewMost;
    processAppendError(nullptr, chunk.size() > kErrorViewMost ? chunk.right(kErrorViewMost) : chunk);
}

void BannerController::journeyNote(engine::Journey*, const QString& note)
{
    write(QStringLiteral("\r%1\r").arg(note));
}

void BannerController::holdAnotherRunner(const engine::Journey* ended)
{
    if (!shellWrapper_ || shellWrapper_ != ended->runner())
        return;
    std::shared_ptr<KVShellWrapper> other;
    for (const engine::Journey* j : batch_->running())
        if (j->converting())
            other = j->runner();
    setShellWrapper(other);
}

void BannerController::batchFileEnded(engine::Journey* journey)
{
    const engine::FileOutcome& outcome = journey->outcome();
    switch (journey->ending()) {
    case engine::Ending::Finished:
        processFinishedWithTerminationStatus(nullptr, outcome.resultCode);
        holdAnotherRunner(journey);
        break;
    case engine::Ending::LaunchFailed:
        processLaunchException(journey->endingName());
        holdAnotherRunner(journey);
        ui_->imgView->showImageNamed(QStringLiteral("door.jpg"));
        break;
    case engine::Ending::NoRunner:
        write(QStringLiteral("Ops! Something went wrong.\r Was not able to execute command.\r"));
        endOfFileNotRun();
        ui_->imgView->showImageNamed(QStringLiteral("door.jpg"));
        break;
    case engine::Ending::LeftOut:
    case engine::Ending::Stopped:
    case engine::Ending::AlreadyConverted:
        endOfFileNotRun();
        break;
    case engine::Ending::NotAudio:
    case engine::Ending::EncoderUnusable:
        break;
    }
    for (const QString& note : presenter_->endNotes(*journey))
        write(QStringLiteral("\r%1\r").arg(note));
}

void BannerController::endOfFileNotRun()
{
    if (!batch_->anyConverting()) {
        stopProgressTimer();
        readyButton();
    }
    scrollToEnds();
}

void BannerController::batchEncoderUnusable(const engine::EncoderTrouble& trouble)
{
    encoderAlert_ = engine::Presenter::encoderAlert(trouble); // said once the batch has ended
}

void BannerController::batchEnded(engine::BatchEnd end)
{
    flushConsole();
    if (closing_)
        return quit();
    listModel()->refresh();
    stopProgressTimer();
    ui_->lblTimeLeft->hide();
    // A batch that never started a file leaves the window as it was.
    if (end == engine::BatchEnd::Abandoned && batch_->finished() == 0)
        listView()->hide();
    else
        mainWindow_->placeList(false);
    // Someone busy elsewhere hears of the end; the alert below stays as it is.
    if (!mainWindow_->isActiveWindow() && end != engine::BatchEnd::Abandoned) {
        const auto [summary, body] = presenter_->notification();
        notifyDesktop(summary, body);
    }
    switch (end) {
    case engine::BatchEnd::NoFileLeft:
        endBatchOfConvert();
        return;
    case engine::BatchEnd::LastFinished:
        readyButton();
        endBatch(true);
        return;
    case engine::BatchEnd::LastLaunchFailed:
        endBatch(false);
        return;
    case engine::BatchEnd::Abandoned:
        abandonBatch();
        return;
    }
}

// The encoder cannot be used: the batch ends without the completion alert.
void BannerController::abandonBatch()
{
    mainWindow_->setWindowTitle(kWindowTitle);
    stopSpinner();
    idleView();
    readyButton();
    // Not from inside the batch's steps: the alert runs an event loop of its own.
    if (auto alert = std::exchange(encoderAlert_, std::nullopt))
        QTimer::singleShot(0, this, [this, alert = *alert] {
            if (!closing_)
                dialogs_->runAlert(alert.title, alert.text);
        });
}

void BannerController::processStarted(KVShellWrapper*)
{
    runningView();
}

void BannerController::processFinishedWithTerminationStatus(KVShellWrapper*, int status)
{
    if (!batch_->anyConverting())
        stopProgressTimer();
    processEndRefresh(status);
}

void BannerController::processLaunchException(const QString& name)
{
    if (!batch_->anyConverting())
        stopProgressTimer();
    processEndRefreshException(name);
}

void BannerController::stopTask(QObject*)
{
    // Every conversion that runs; each ends by the ordinary road.
    if (loaded())
        batch_->stop();
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

void BannerController::showProgress(std::optional<int> percent)
{
    if (!percent)
        return;
    ui_->lblPbNow->setText(tr("%1%", "a file's share done").arg(*percent));
    // The bar cannot show more than full; the label does.
    ui_->pbBar->setValue(std::clamp(*percent, ui_->pbBar->minimum(), ui_->pbBar->maximum()));
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
    if (finishedFileCount() >= getFileCount()) {
        if (timer == progressTimer_)
            stopProgressTimer();
        return;
    }
    const QString errorText = ui_->errorOutlet->toPlainText();
    qCDebug(lcEngine).noquote() << "Error2:" << errorText;
    showProgress(presenter_->barPercent(errorText, errorViewBeginsForeign_));
}

// ---- console and views -------------------------------------------------------

void BannerController::write(const QString& text)
{
    // A screen reader hears every change: while files convert, the console's
    // lines come at the tick, in one step.
    if (loaded() && announcesAtTheTick()) {
        pendingConsole_ += text;
        return;
    }
    flushConsole();
    insertIntoConsole(text);
}

void BannerController::flushConsole()
{
    if (!pendingConsole_.isEmpty())
        insertIntoConsole(std::exchange(pendingConsole_, QString()));
}

void BannerController::insertIntoConsole(const QString& text)
{
    QTextCursor cursor(ui_->textOutlet->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    ui_->textOutlet->verticalScrollBar()->setValue(ui_->textOutlet->verticalScrollBar()->maximum());
}

void BannerController::processAppendOutput(KVShellWrapper*, const QVariant& chunk)
{
    write(chunk.toString());
    qCDebug(lcUi).noquote() << "stdout:" << chunk.toString();
}

void BannerController::processAppendError(KVShellWrapper*, const QString& chunk)
{
    ui_->errorOutlet->setPlainText(chunk);
}

void BannerController::printBanner(QObject*)
{
    ui_->imgView->showImageNamed(QStringLiteral("door.jpg"));
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
    QTextCursor cursor(ui_->textOutlet->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral(" \n"));
    ui_->textOutlet->setFont(font);
}

void BannerController::consoleFontReset()
{
    ui_->textOutlet->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

void BannerController::setSettingsVisible(bool visible)
{
    for (QWidget* w : mainWindow_->settingsControls())
        w->setVisible(visible);
}

// A stopped spinner is not drawn.
void BannerController::startSpinner()
{
    ui_->pb->setRange(0, 0);
}

void BannerController::stopSpinner()
{
    ui_->pb->setRange(0, 1);
    ui_->pb->hide();
}

void BannerController::preparingView()
{
    progressSign = true;
    setSettingsVisible(false);
    for (QWidget* w : mainWindow_->outputControls())
        w->hide();
    ui_->pbBar->hide();
    ui_->lblpb->show();
    ui_->lblPbNow->hide();
    ui_->pb->show();
    startSpinner();
    ui_->lblpb->setText(presenter_->preparingLine());
    stopButton();
}

void BannerController::convertingView()
{
    stopSpinner();
    ui_->pbBar->show();
    ui_->lblPbNow->show();
    ui_->lblpb->setText(presenter_->convertingLine());
    ui_->lblPbNow->setText(tr("%1%", "a file's share done").arg(0));
}

void BannerController::runningView()
{
    progressSign = true;
    setSettingsVisible(false);
    for (QWidget* w : mainWindow_->outputControls())
        w->hide();
    ui_->lblpb->show();
    ui_->lblPbNow->show();
    ui_->pbBar->show();
    stopButton();
}

void BannerController::idleView()
{
    progressSign = false;
    setSettingsVisible(true);
    for (QWidget* w : mainWindow_->outputControls())
        w->show();
    ui_->pbBar->hide();
    ui_->lblpb->hide();
    ui_->lblPbNow->hide();
    ui_->lblTimeLeft->hide();
}

void BannerController::stopButton()
{
    ui_->runButton->setText(tr("Stop"));
    runAction_ = &BannerController::stopTask;
}

void BannerController::readyButton()
{
    ui_->runButton->setEnabled(true);
    ui_->runButton->setText(tr("Execute"));
    runAction_ = &BannerController::printBanner;
}

void BannerController::scrollToEnds()
{
    for (QPlainTextEdit* view : {ui_->textOutlet, ui_->errorOutlet})
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
}

void BannerController::processEndRefresh(int status)
{
    write(QStringLiteral("\rcommand finished. Result code: %1\r").arg(status));
    scrollToEnds();
    if (!batch_->anyConverting())
        readyButton();
}

void BannerController::processEndRefreshException(const QString& name)
{
    write(QStringLiteral("\rcaught %1 while executing command\r").arg(name));
    scrollToEnds();
    if (!batch_->anyConverting())
        readyButton();
}

// The batch has ended, so the counters read 0 from here on.
void BannerController::endBatchOfConvert()
{
    mainWindow_->setWindowTitle(kWindowTitle);
    ui_->pb->setRange(0, 1); // stopped, and so no longer drawn
    ui_->pb->hide();
    idleView();
    completionAlert();
}

void BannerController::endBatch(bool alert)
{
    mainWindow_->setWindowTitle(kWindowTitle);
    // A last file that never reached its conversion leaves the spinner of its preparing view.
    if (!ui_->pb->isHidden())
        stopSpinner();
    idleView();
    if (alert)
        completionAlert();
}

void BannerController::completionAlert()
{
    mainWindow_->setWindowTitle(kWindowTitle);
    dialogs_->runAlert(tr("Complete"), presenter_->summary());
}
