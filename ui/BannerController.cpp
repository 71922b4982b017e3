#include "BannerController.h"

#include "InputCollection.h"
#include "MainWindow.h"
#include "OutputFolder.h"
#include "app/Settings.h"
#include "engine/CommandLine.h"
#include "engine/EncoderRuns.h"
#include "engine/ProbeText.h"
#include "engine/Progress.h"
#include "engine/TimeString.h"
#include "platform/Log.h"
#include "platform/Resources.h"
#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QScrollBar>
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
    mainWindow_->setAttribute(Qt::WA_DeleteOnClose, false);
    mainWindow_->onClose = [this] { applicationShouldTerminateAfterLastWindowClosed(); };
    dialogs_ = std::make_unique<WidgetDialogs>(mainWindow_);
    runnerFactory_ = [](const QStringList& arguments) {
        return KVShellWrapper::create({}, {}, {}, QStringLiteral("."), std::nullopt, arguments, nullptr);
    };
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

void BannerController::startnow(const QStringList& files)
{
    if (!chooseOutputFolder())
        return;
    batchStart(files);
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
    outputpath = ui::outputFolderText(*url);
    ui_.txtOutputPath->setText(outputpath);
    return true;
}

bool BannerController::encoderMissing(const QString& encoder)
{
    if (!encoder.isEmpty())
        return false;
    dialogs_->runAlert(QStringLiteral("The encoder is missing"),
                       QStringLiteral("The program \"ffmpeg\" was not found in %1. Reinstall Qelvanto, "
                                      "or install the ffmpeg package and build again.")
                           .arg(platform::resourceSearchDirs().join(QStringLiteral(" or "))));
    return true;
}

void BannerController::batchStart(const QStringList& files)
{
    if (encoderMissing(platform::pathForResource(QStringLiteral("ffmpeg"))))
        return;
    convertfiles = files;
    fileCounter = quint64(files.size());
    failedFiles_ = 0;
    qCDebug(lcEngine, "fileCounter: %llu", static_cast<unsigned long long>(fileCounter));
    convert();
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
    if (encoderMissing(encoder)) {
        idleView();
        fileCounter = 0;
        finishedFiles = 0;
        return;
    }
    const QString converted = engine::convertedFolder(input);
    QDir().mkdir(converted);
    preparingView();

    const auto probe = engine::probeRun(encoder, input);
    const std::optional<QString> probeText =
        probe ? std::optional<QString>(engine::withoutPath(*probe, input)) : std::nullopt;
    qCDebug(lcEngine, "RangeErr: %lld", qlonglong(probeText ? engine::invalidDataRangeLength(*probeText) : 0));
    if (!engine::acceptsProbe(probeText)) {
        skipFile();
        return;
    }

    const auto duration = engine::durationText(*probeText);
    qCDebug(lcEngine).noquote() << "TotalDuration:" << duration.value_or(QString());
    if (duration && *duration == QLatin1String("N/A"))
        wavFallback(encoder, input, converted);
    else
        TotalDuration = duration ? engine::durationSeconds(*duration).value_or(0) : 0;

    convertingView();
    engine::ConversionSettings s{ui_.cmbFormat->currentText(), ui_.cmbbr->currentText(),
                                 ui_.cmbRate->currentText(),   ui_.cmbChannel->currentIndex(),
                                 ui_.cmbOutput->currentText(), ui_.txtOutputPath->text()};
    const QString output = engine::outputPath(input, s);
    qCDebug(lcEngine).noquote() << "FinalFile:" << output;
    qCDebug(lcEngine) << "channel:" << s.channelIndex + 1 << "Rate:" << s.rate << "Bitrate:" << s.bitrate
                      << "Format:" << s.format;
    const QString command = engine::commandText(encoder, input, output, s);

    // One progress timer per converted file, stopped when its file ends.
    stopProgressTimer();
    progressTimer_ = new QTimer(this);
    ++g_liveProgressTimers;
    progressTimer_->setInterval(1000);
    QTimer* timer = progressTimer_;
    connect(timer, &QTimer::timeout, this, [this, timer] { timerFired(timer); });
    timer->start();

    qCDebug(lcEngine).noquote() << "path:" << input;
    ui_.textSource->setText(command);
    const QStringList arguments = engine::splitArguments(ui_.textSource->text());
    for (const QString& a : arguments)
        qCDebug(lcEngine).noquote() << "arg:" << a;
    if (arguments.size() != engine::kArgumentCount) {
        leaveOut(QStringLiteral("\rLeft out %1: a name or setting holds the text %2, which would split "
                                "the encoder's arguments.\r")
                     .arg(input, engine::kArgumentSeparator));
        return;
    }
    launch(arguments);
}

void BannerController::wavFallback(const QString& encoder, const QString& input, const QString& converted)
{
    const QString wav = converted + engine::deletingPathExtension(engine::lastPathComponent(input))
                      + QStringLiteral(".tmp");
    engine::decodeRun(encoder, input, wav);
    const auto second = engine::probeRun(encoder, wav);
    const auto duration = second ? engine::durationText(engine::withoutPath(*second, wav)) : std::nullopt;
    qCDebug(lcEngine).noquote() << "TotalDuration:" << duration.value_or(QString());
    TotalDuration = duration ? engine::durationSeconds(*duration).value_or(0) : 0;
    if (QFileInfo::exists(wav))
        QFile::remove(wav);
}

void BannerController::skipFile()
{
    ++finishedFiles;
    if (finishedFiles < fileCounter) {
        auto* timer = new QTimer(this);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this, timer] { timerFired1(timer); });
        timer->start(1000);
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
            leaveOut(QStringLiteral("Ops! Something went wrong.\r Was not able to execute command.\r"));
        }
    } catch (const std::exception& e) {
        qCDebug(lcEngine).noquote() << "Caught" << exceptionName(e) << ":" << exceptionReason(e);
        processLaunchException(e);
    }
    ui_.imgView->showImageNamed(QStringLiteral("door.jpg"));
}

// A file that never reached the encoder: say so and go on with the next one.
void BannerController::leaveOut(const QString& consoleText)
{
    write(consoleText);
    stopProgressTimer();
    ++failedFiles_;
    scrollToEnds();
    readyButton();
    moveOn(true);
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
    stopProgressTimer();
    if (status != 0)
        ++failedFiles_;
    processEndRefresh(status);
    moveOn(true);
}

void BannerController::processLaunchException(const std::exception& exception)
{
    stopProgressTimer();
    ++failedFiles_;
    processEndRefreshException(exceptionName(exception));
    moveOn(false);
}

void BannerController::stopTask(QObject*)
{
    if (shellWrapper_)
        shellWrapper_->stopProcess();
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
    idleView();
    fileCounter = 0;
    finishedFiles = 0;
    if (alert)
        completionAlert();
}

void BannerController::completionAlert()
{
    QString informative = QStringLiteral("Conversion Completed.");
    if (failedFiles_ > 0)
        informative += QStringLiteral("\n%1 of %2 files failed; the console has the details.")
                           .arg(failedFiles_)
                           .arg(convertfiles.size());
    failedFiles_ = 0;
    dialogs_->runAlert(QStringLiteral("Complete"), informative);
}
