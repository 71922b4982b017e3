#include "BannerController.h"

#include "MainWindow.h"
#include "BatchListModel.h"
#include "DesktopIntegration.h"
#include "WindowSetup.h"
#include "app/Settings.h"
#include "engine/CommandLine.h"
#include "engine/FileWork.h"
#include "engine/InputCollection.h"
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
#include <QHeaderView>
#include <QTreeView>
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
    mainWindow_->onClose = [this] {
        applicationShouldTerminateAfterLastWindowClosed();
        endWithTheWindow();
    };
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
             ui_.lblHz, ui_.lblChannel, ui_.lblJobs, ui_.cmbJobs, ui_.lblOpusRate, ui_.lblRefused, ui_.lblHint, ui_.cmbOutput,
             ui_.chkKeepFolders, ui_.lblExisting, ui_.cmbExisting, ui_.lblOutputPath, ui_.pbBar, ui_.lblpb, ui_.lblPbNow, ui_.lblTimeLeft, ui_.pb}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    connect(ui_.runButton, &QPushButton::clicked, this, [this] { (this->*runAction_)(ui_.runButton); });
    connect(ui_.lblWeb, &QPushButton::clicked, this, [this] { lblWebClick(ui_.lblWeb); });
    connect(ui_.cmbOutput, &QComboBox::activated, this, [this] { cmbOutputAction(ui_.cmbOutput); });
    followOutputChoice(ui_.cmbOutput, ui_.txtOutputPath);
    // What the chosen combination means is said as soon as it is chosen.
    for (QComboBox* box : {ui_.cmbFormat, ui_.cmbbr, ui_.cmbRate, ui_.cmbChannel})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { showChoiceNotes(); });
    ui_.lblRefused->setMinimumHeight(ui_.lblRefused->fontMetrics().lineSpacing()); // its line is kept, also empty
    // Ctrl+Shift+O picks a folder, refused like a click while busy.
    auto* openFolder = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), mainWindow_);
    connect(openFolder, &QShortcut::activated, this, [this] { ui_.imgView->addFolder(); });

    listModel_ = new BatchListModel(this);
    listView_ = new QTreeView(mainWindow_->centralWidget());
    listView_->setObjectName(QStringLiteral("lstFiles"));
    listView_->setModel(listModel_);
    listView_->setRootIsDecorated(false);
    listView_->setUniformRowHeights(true); // thousands of rows stay smooth
    listView_->setAlternatingRowColors(true);
    listView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView_->setAccessibleName(QStringLiteral("Files of the batch"));
    listView_->setAccessibleDescription(
        QStringLiteral("Each file of the batch, what became of it and where it was saved; Enter shows a converted "
                       "file in the file manager"));
    listView_->header()->setStretchLastSection(true);
    listView_->header()->setSectionResizeMode(BatchListModel::Name, QHeaderView::Interactive);
    listView_->setColumnWidth(BatchListModel::Name, 180);
    listView_->setColumnWidth(BatchListModel::State, 150);
    listView_->hide();
    // Enter and a double click alike.
    connect(listView_, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (const QString output = listModel_->convertedOutput(index.row()); !output.isEmpty())
            showInFileManager(output);
    });
    QWidget::setTabOrder(ui_.runButton, listView_);
    QWidget::setTabOrder(listView_, ui_.textOutlet);
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
    QTimer::singleShot(kMostClosingMs, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
}

void BannerController::setDialogs(std::unique_ptr<ModalDialogs> dialogs)
{
    dialogs_ = std::move(dialogs);
}

// ---- start-up and shut-down ------------------------------------------------

void BannerController::applicationDidFinishLaunching()
{
    sharedBannerController = this;
    // No batch is loaded yet, so the counters read 0.
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
    ui_.chkKeepFolders->setChecked(settings::readKeepFolders());
    ui_.cmbExisting->setCurrentIndex(settings::readSkipExisting() ? 1 : 0);
    showChoiceNotes();
}

void BannerController::showChoiceNotes()
{
    const QString format = ui_.cmbFormat->currentText();
    const bool opus = format == engine::kOpus;
    ui_.lblOpusRate->setText(opus ? QStringLiteral("opus converts at %1 Hz, whatever the sample rate box says")
                                        .arg(engine::kOpusRate)
                                  : QString());
    const auto refused = engine::refusedCombination(format, ui_.cmbbr->currentText().toInt(),
                                                    (opus ? engine::kOpusRate : ui_.cmbRate->currentText()).toInt(),
                                                    ui_.cmbChannel->currentIndex() + 1);
    ui_.lblRefused->setText(refused.value_or(QString()));
}

bool BannerController::applicationShouldTerminateAfterLastWindowClosed()
{
    settings::saveSelections(settings::formatSelections(ui_.cmbFormat->currentIndex(), ui_.cmbbr->currentIndex(),
                                                        ui_.cmbRate->currentIndex(), ui_.cmbChannel->currentIndex()));
    settings::saveJobs(std::max(1, ui_.cmbJobs->currentIndex() + 1));
    settings::saveKeepFolders(ui_.chkKeepFolders->isChecked());
    settings::saveSkipExisting(ui_.cmbExisting->currentIndex() == 1);
    return true;
}

int BannerController::maxJobs()
{
    return std::max(1, QThread::idealThreadCount());
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
    if (auto files = dialogs_->pickFiles(QStringLiteral("Select File(s)")))
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
    const qsizetype n = inputs.paths.size();
    const QString what = n == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(n);
    const QString where = ui_.cmbOutput->currentText() == engine::kOriginalFolder
                            ? QStringLiteral("into Converted/ beside each file")
                            : QStringLiteral("into a folder you choose next");
    const QString format = ui_.cmbFormat->currentText();
    const bool lossless = format == QLatin1String("flac") || format == QLatin1String("wav") || format == QLatin1String("aiff");
    const QString how = lossless ? format : QStringLiteral("%1, %2 kbit/s").arg(format, ui_.cmbbr->currentText());
    const QString question = QStringLiteral("Convert %1 to %2, %3?").arg(what, how, where);
    qCDebug(lcUi).noquote() << "Asking:" << question;
    return dialogs_->runAlert(QStringLiteral("Convert these files?"), question,
                              {QStringLiteral("Convert"), QStringLiteral("Cancel")})
        == 1000;
}

void BannerController::pickFolderAndStart()
{
    if (auto folder = dialogs_->pickInputFolder(QStringLiteral("Select Folder")))
        collectAndStart({QFile::encodeName(*folder)});
}

void BannerController::placeList(bool inBand)
{
    ui_.controlGrid->removeWidget(listView_);
    ui_.rootLayout->removeWidget(listView_);
    if (inBand) {
        // It takes only the room the hidden rows leave, never more.
        listView_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        listView_->setMinimumHeight(0);
        listView_->setMaximumHeight(QWIDGETSIZE_MAX);
        ui_.controlGrid->addWidget(listView_, 0, 0, kSettingsRows, ui_.controlGrid->columnCount());
        // The room it had below the console is given back.
        if (listGrowth_ > 0 && mainWindow_->windowState() == Qt::WindowNoState)
            mainWindow_->resize(mainWindow_->width(), mainWindow_->height() - listGrowth_);
        listGrowth_ = 0;
    } else {
        const int rows = 6;
        const int height = listView_->header()->sizeHint().height() + 2 * listView_->frameWidth()
                         + rows * std::max(listView_->sizeHintForRow(0), listView_->fontMetrics().height() + 4);
        listView_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        listView_->setFixedHeight(height);
        ui_.rootLayout->insertWidget(ui_.rootLayout->indexOf(ui_.textOutlet) + 1, listView_);
        // The window grows by the list, so that nothing above it moves; as far as
        // the screen allows.
        const QScreen* screen = mainWindow_->screen();
        if (mainWindow_->windowState() == Qt::WindowNoState && screen) {
            const int room = screen->availableGeometry().height() - mainWindow_->frameGeometry().height();
            listGrowth_ = std::clamp(height + ui_.rootLayout->spacing(), 0, std::max(0, room));
            mainWindow_->resize(mainWindow_->width(), mainWindow_->height() + listGrowth_);
        }
    }
    listView_->show();
}

void BannerController::batchTick()
{
    listModel_->refresh();
    if (const auto left = batch_->secondsLeft()) {
        ui_.lblTimeLeft->setText(engine::timeLeftText(*left));
        ui_.lblTimeLeft->setVisible(!ui_.pbBar->isHidden());
    } else {
        ui_.lblTimeLeft->hide();
    }
    if (loaded())
        showTitle();
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

void BannerController::batchStart(engine::CollectedInputs inputs)
{
    if (encoderUnusable(platform::pathForResource(QStringLiteral("ffmpeg"))))
        return;
    // A chosen folder inside a dropped one holds results, not inputs; finding
    // out looks at the folders, off the window's thread.
    if (ui_.cmbOutput->currentText() != engine::kOriginalFolder && !inputs.folders.isEmpty()) {
        collecting_ = true;
        engine::offThread(
            this,
            [inputs = std::move(inputs), folder = ui_.txtOutputPath->text()]() mutable {
                engine::leaveOutOutputFolder(inputs, folder);
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
                             .jobs = std::max(1, ui_.cmbJobs->currentIndex() + 1),
                             .settings = {ui_.cmbFormat->currentText(), ui_.cmbbr->currentText(),
                                          ui_.cmbRate->currentText(), ui_.cmbChannel->currentIndex(),
                                          ui_.cmbOutput->currentText(), ui_.txtOutputPath->text(),
                                          ui_.chkKeepFolders->isChecked(), ui_.cmbExisting->currentIndex() == 1},
                             .makeRunner = runnerFactory_};
    batch_.reset(new engine::Batch(std::move(setup), this));
    listModel_->setBatch(batch_.get());
    placeList(true);
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

int BannerController::filesLeft() const
{
    // One at a time: the files after the current one. Several: those not finished.
    const auto n = qint64(getFileCount()), done = qint64(finishedFileCount());
    return int(jobs() == 1 ? n - 1 - done : n - done);
}

std::optional<QString> BannerController::batchFileStarting(qsizetype, const QString& input)
{
    qCDebug(lcEngine).noquote() << "1Files:" << input;
    consoleFontReset();
    const QString encoder = platform::pathForResource(QStringLiteral("ffmpeg"));
    qCDebug(lcEngine).noquote() << "Orign:" << engine::deletingLastPathComponent(input);
    if (encoderUnusable(encoder))
        return std::nullopt;
    return encoder;
}

void BannerController::showTitle()
{
    QStringList names;
    for (const engine::Journey* j : batch_->running())
        names << engine::lastPathComponent(j->input());
    // Between two files (the pause after a skipped one) the title keeps the last.
    if (names.isEmpty())
        return;
    QString title = QStringLiteral("Qelvanto — %1 of %2 — %3")
                        .arg(finishedFileCount() + 1)
                        .arg(getFileCount())
                        .arg(names.join(QStringLiteral(", ")));
    if (const auto left = batch_->secondsLeft())
        title += QStringLiteral(" — ") + engine::timeLeftText(*left);
    mainWindow_->setWindowTitle(title);
}

void BannerController::journeyPreparing(engine::Journey*)
{
    showTitle();
    if (jobs() == 1 || !batch_->anyConverting())
        preparingView();
    else
        ui_.lblpb->setText(QStringLiteral("Converting - %1 File(s) Left").arg(filesLeft()));
}

void BannerController::journeyConverting(engine::Journey* journey)
{
    if (jobs() > 1) {
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
}

void BannerController::journeyNamed(engine::Journey*)
{
    // One progress timer per converted file, stopped when its file ends.
    if (jobs() == 1) {
        stopProgressTimer();
        startProgressTimer();
    }
}

QStringList BannerController::journeyArguments(engine::Journey*, const QString& commandText)
{
    ui_.textSource->setText(commandText);
    return engine::splitArguments(ui_.textSource->text());
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
    ui_.imgView->showImageNamed(QStringLiteral("door.jpg"));
}

void BannerController::journeyNote(engine::Journey*, const QString& note)
{
    write(QStringLiteral("\r%1\r").arg(note));
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

void BannerController::batchFileEnded(engine::Journey* journey)
{
    const engine::FileOutcome& outcome = journey->outcome();
    if (shellWrapper_ && shellWrapper_ == journey->runner()) {
        // The runner held is that of a conversion still running, if any.
        std::shared_ptr<KVShellWrapper> other;
        for (const engine::Journey* j : batch_->running())
            if (j->converting())
                other = j->runner();
        setShellWrapper(jobs() == 1 ? shellWrapper_ : other);
    }
    switch (journey->ending()) {
    case engine::Ending::Finished:
        processFinishedWithTerminationStatus(nullptr, outcome.resultCode);
        if (outcome.resultCode == 0 && outcome.outcome == engine::Outcome::Failed)
            write(QStringLiteral("\rNot converted %1: %2.\r").arg(outcome.input, outcome.reason));
        if (!outcome.problem.isEmpty())
            write(QStringLiteral("\rConverted with problems %1: %2.\r").arg(outcome.input, outcome.problem));
        if (!journey->removedOutput().isEmpty())
            write(QStringLiteral("\r%1 %2: its unfinished output %3 was removed.\r")
                      .arg(outcome.outcome == engine::Outcome::Stopped ? QStringLiteral("Stopped")
                                                                       : QStringLiteral("Not converted"),
                           outcome.input, journey->removedOutput()));
        break;
    case engine::Ending::LaunchFailed:
        processLaunchException(journey->endingName());
        ui_.imgView->showImageNamed(QStringLiteral("door.jpg"));
        break;
    case engine::Ending::NoRunner:
        write(QStringLiteral("Ops! Something went wrong.\r Was not able to execute command.\r"));
        endOfFileNotRun();
        ui_.imgView->showImageNamed(QStringLiteral("door.jpg"));
        break;
    case engine::Ending::LeftOut:
        write(QStringLiteral("\rLeft out %1: %2.\r")
                  .arg(outcome.input, outcome.consoleReason.isEmpty() ? outcome.reason : outcome.consoleReason));
        endOfFileNotRun();
        break;
    case engine::Ending::Stopped:
        write(QStringLiteral("\rStopped %1 before its conversion.\r").arg(outcome.input));
        endOfFileNotRun();
        break;
    case engine::Ending::AlreadyConverted:
        write(QStringLiteral("\rAlready converted %1: %2 is there.\r").arg(outcome.input, outcome.output));
        endOfFileNotRun();
        break;
    case engine::Ending::NotAudio:
        break;
    case engine::Ending::EncoderUnusable:
        break; // said once for the batch, below

    }
    if (jobs() > 1 && loaded()) {
        if (finishedFileCount() < getFileCount())
            showTitle();
        ui_.lblpb->setText(QStringLiteral("Converting - %1 File(s) Left").arg(filesLeft()));
    }
}

void BannerController::batchEncoderUnusable(const QString& reason)
{
    encoderUnusable(platform::pathForResource(QStringLiteral("ffmpeg")), reason);
}

void BannerController::endOfFileNotRun()
{
    if (jobs() == 1)
        stopProgressTimer();
    scrollToEnds();
    if (!batch_->anyConverting())
        readyButton();
}

void BannerController::batchEnded(engine::BatchEnd end)
{
    if (closing_) {
        QCoreApplication::exit(0);
        return;
    }
    listModel_->refresh();
    ui_.lblTimeLeft->hide();
    placeList(false);
    // Someone busy elsewhere hears of the end; the alert below stays as it is.
    if (!mainWindow_->isActiveWindow() && end != engine::BatchEnd::Abandoned) {
        const qsizetype converted = report().count(engine::Outcome::Converted);
        const QString summary = QStringLiteral("Qelvanto: %1 of %2 files converted").arg(converted).arg(batch_->size());
        const QString body = report().alertText(batch_->size()).section(QStringLiteral("\n\n"), 0, 0);
        // The bus may be slow to answer; the window does not wait for it.
        engine::runFileWork([summary, body] { notifyDesktop(summary, body); });
    }
    switch (end) {
    case engine::BatchEnd::NoFileLeft:
        endBatchOfConvert();
        return;
    case engine::BatchEnd::LastFinished:
        if (jobs() > 1) {
            stopProgressTimer();
            readyButton();
        }
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
    stopProgressTimer();
    mainWindow_->setWindowTitle(kWindowTitle);
    stopSpinner();
    idleView();
    readyButton();
}

void BannerController::processStarted(KVShellWrapper*)
{
    runningView();
}

void BannerController::processFinishedWithTerminationStatus(KVShellWrapper*, int status)
{
    if (jobs() == 1)
        stopProgressTimer();
    processEndRefresh(status);
}

void BannerController::processLaunchException(const QString& name)
{
    if (jobs() == 1)
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

// Several at once: the whole batch, each file by its share.
void BannerController::showBatchProgress()
{
    const int percent = batch_->percent();
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
    if (finishedFileCount() >= getFileCount()) {
        if (timer == progressTimer_)
            stopProgressTimer();
        return;
    }
    if (jobs() > 1) {
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
    // The ten in their fixed order, then how many files at once and what the choices mean.
    QWidget* controls[] = {ui_.lblFormat,  ui_.cmbFormat, ui_.lblSize,    ui_.cmbbr,       ui_.lblPX,
                           ui_.cmbRate,    ui_.cmbChannel, ui_.lblrate,   ui_.lblHz,       ui_.lblChannel,
                           ui_.lblJobs,    ui_.cmbJobs,   ui_.lblOpusRate, ui_.lblRefused, ui_.lblHint};
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
    ui_.chkKeepFolders->hide();
    ui_.lblExisting->hide();
    ui_.cmbExisting->hide();
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
    ui_.chkKeepFolders->hide();
    ui_.lblExisting->hide();
    ui_.cmbExisting->hide();
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
    ui_.chkKeepFolders->show();
    ui_.lblExisting->show();
    ui_.cmbExisting->show();
    ui_.lblOutputPath->show();
    ui_.pbBar->hide();
    ui_.lblpb->hide();
    ui_.lblPbNow->hide();
    ui_.lblTimeLeft->hide();
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
    if (jobs() == 1)
        setShellWrapper(nullptr);
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
    if (jobs() == 1)
        setShellWrapper(nullptr);
}

// The batch has ended, so the counters read 0 from here on.
void BannerController::endBatchOfConvert()
{
    mainWindow_->setWindowTitle(kWindowTitle);
    ui_.pb->setRange(0, 1); // stopped, and so no longer drawn
    ui_.pb->hide();
    idleView();
    completionAlert();
}

void BannerController::endBatch(bool alert)
{
    mainWindow_->setWindowTitle(kWindowTitle);
    // A last file that never reached its conversion leaves the spinner of its preparing view.
    if (!ui_.pb->isHidden())
        stopSpinner();
    idleView();
    if (alert)
        completionAlert();
}

void BannerController::completionAlert()
{
    mainWindow_->setWindowTitle(kWindowTitle);
    dialogs_->runAlert(QStringLiteral("Complete"), report().alertText(convertfiles.size()));
}
