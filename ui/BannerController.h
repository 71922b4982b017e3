#pragma once
#include "ModalDialogs.h"
#include "engine/Journey.h"
#include "engine/Outcome.h"
#include "runner/KVShellWrapper.h"
#include "runner/KVShellWrapperDelegate.h"
#include "ui_MainWindow.h"

#include <QIcon>
#include <QObject>
#include <QHash>
#include <QSet>
#include <QUrl>
#include <QStringList>

#include <functional>
#include <memory>

class MainWindow;
class QTimer;

// Controller of the main window, application delegate, batch driver and the
// delegate of every runner, all in one object that lives as long as the application.
class BannerController : public QObject, public KVShellWrapperDelegate, public engine::JourneyHost {
    Q_OBJECT
public:
    BannerController();
    ~BannerController() override;

    // Application delegate.
    void applicationDidFinishLaunching();
    bool applicationShouldTerminateAfterLastWindowClosed();

    // Batch driver.
    // inexactNames: indexes of files whose true names text cannot hold (see engine::collectInputs).
    void startnow(const QStringList& files, const QSet<qsizetype>& inexactNames = {});
    // The file picker of a click on the door, then startnow with the picked files.
    void pickAndStart();
    void convert();
    void timerFired1(QTimer* timer);
    void timerFired(QTimer* timer);
    static qint64 secondsForTimeString(const QString& text);
    void stopTask(QObject* sender);
    void processLaunchException(const QString& exceptionName);
    quint64 getFileCount() const { return fileCounter; }
    bool getSign() const { return progressSign; }

    // Runner delegate.
    void processAppendOutput(KVShellWrapper* wrapper, const QVariant& chunk) override;
    void processAppendError(KVShellWrapper* wrapper, const QString& chunk) override;
    void processStarted(KVShellWrapper* wrapper) override;
    void processFinishedWithTerminationStatus(KVShellWrapper* wrapper, int status) override;

    // Window actions.
    void write(const QString& text);
    void printBanner(QObject* sender);
    void lblWebClick(QObject* sender);
    void cmbOutputAction(QObject* sender);

    std::shared_ptr<KVShellWrapper> shellWrapper() const { return shellWrapper_; }
    void setShellWrapper(const std::shared_ptr<KVShellWrapper>& wrapper);
    MainWindow* mainWindow() const { return mainWindow_; }
    void setMainWindow(MainWindow* window) { mainWindow_ = window; }

    // Outlets, by their names in the window layout.
    Ui::MainWindow& outlets() { return ui_; }

    // Read-only views of the batch state, for tests and benchmarks.
    const QStringList& convertFiles() const { return convertfiles; }
    quint64 finishedFileCount() const { return finishedFiles; }
    qint32 totalDuration() const { return TotalDuration; }
    bool showsFolderReminder() const { return showFolder; }
    QString outputPathText() const { return outputpath; }
    // Progress timers that still tick.
    int liveProgressTimers() const;
    // How many files convert at once in the batch that runs or ran last.
    int jobs() const { return jobs_; }
    // The most files at once the window offers: one per core.
    static int maxJobs();
    // What became of each file of the batch that runs or ran last.
    const engine::BatchReport& report() const { return report_; }
    static constexpr int kSkipPauseMs = 1000;
    static inline const QString kWindowTitle = QStringLiteral("Qelvanto");

    // Seams for tests: the dialogs and the runner factory.
    void setDialogs(std::unique_ptr<ModalDialogs> dialogs);
    using RunnerFactory = engine::RunnerFactory;
    void setRunnerFactory(RunnerFactory factory) { runnerFactory_ = std::move(factory); }

    static const QString kWebPage; // relative to the install prefix
    static QUrl webPageUrl();
    static QIcon applicationIcon();

private:
    void batchStart(const QStringList& files, const QSet<qsizetype>& inexactNames);
    void abandonBatch();
    void fillSlots();
    void startJourney(qsizetype index);
    void retire(engine::Journey* journey);
    void endOfFileNotRun();
    void advance(bool alert, bool queued);
    void showTitle();
    int runningJourneys() const;
    bool anyConverting() const;
    void startProgressTimer();
    void showBatchProgress();

    // What the window does at a journey's steps.
    void journeyPreparing(engine::Journey* journey) override;
    void journeyConverting(engine::Journey* journey) override;
    QStringList journeyArguments(engine::Journey* journey, const QString& commandText) override;
    void journeyRunnerMade(engine::Journey* journey) override;
    void journeyStarted(engine::Journey* journey) override;
    void journeyLaunched(engine::Journey* journey, const QStringList& arguments) override;
    void journeyOutput(engine::Journey* journey, const QString& chunk) override;
    void journeyError(engine::Journey* journey, const QString& chunk) override;
    void journeyEnded(engine::Journey* journey) override;
    bool chooseOutputFolder();
    void restoreSettings();
    void skipFile();
    void launch(const QStringList& arguments);
    // The console line says consoleReason, or reason when that is empty; none when it is null.
    void moveOn(bool alert);
    void stopProgressTimer();
    // Alerts and answers true when the encoder is missing or cannot run.
    bool encoderUnusable(const QString& encoder, const QString& why = {});

    // Named views.
    void preparingView();
    void convertingView();
    void runningView();
    void idleView();
    void stopButton();
    void readyButton();
    void processEndRefresh(int status);
    void processEndRefreshException(const QString& name);
    void consoleFontSetup();
    void consoleFontReset();
    void setSettingsVisible(bool visible);
    void startSpinner();
    void stopSpinner();
    void scrollToEnds();
    void endBatchOfConvert();
    void endBatch(bool alert);
    void completionAlert();
    int filesLeft() const;

    Ui::MainWindow ui_;
    MainWindow* mainWindow_ = nullptr;
    std::unique_ptr<ModalDialogs> dialogs_;
    RunnerFactory runnerFactory_;

    QStringList convertfiles;
    quint64 fileCounter = 0;
    quint64 finishedFiles = 0;
    qint32 TotalDuration = 0;
    bool progressSign = false;
    bool showFolder = false;
    QString outputpath;
    std::shared_ptr<KVShellWrapper> shellWrapper_;
    QSet<qsizetype> inexactNames_;
    engine::BatchReport report_;
    // The journeys not yet retired, and the index of each one's file.
    std::vector<std::unique_ptr<engine::Journey>> journeys_;
    QHash<engine::Journey*, qsizetype> journeyIndex_;
    QSet<engine::Journey*> launchReached_;
    int jobs_ = 1;
    qsizetype nextFile_ = 0;             // several at once: the next file to start
    QList<engine::FileProgress> progress_; // several at once: each file's share
    bool filling_ = false;
    bool abandoning_ = false;
    bool errorViewBeginsForeign_ = false; // the error view's chunk began inside a dumped tag
    QTimer* progressTimer_ = nullptr;
    void (BannerController::*runAction_)(QObject*) = &BannerController::printBanner;
};

// The one controller, reached by the drop target; set first thing at start-up.
extern BannerController* sharedBannerController;
