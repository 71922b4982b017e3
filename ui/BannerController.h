#pragma once
#include "ModalDialogs.h"
#include "engine/Batch.h"
#include "engine/InputCollection.h"
#include "engine/Outcome.h"
#include "engine/Presenter.h"
#include "runner/KVShellWrapper.h"
#include "runner/KVShellWrapperDelegate.h"

#include <QCoreApplication>
#include <QIcon>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

class BatchListModel;
class MainWindow;
class QTimer;
class QTreeView;
namespace Ui {
class MainWindow;
}

// Controller of the main window and application delegate: starts batches and
// applies the window's views at the batch's and the journeys' events, with the
// texts and the decisions of the engine's presenter.
class BannerController : public QObject, public KVShellWrapperDelegate, public engine::BatchHost {
    Q_OBJECT
public:
    BannerController();
    ~BannerController() override;

    // Application delegate.
    void applicationDidFinishLaunching();
    bool applicationShouldTerminateAfterLastWindowClosed();

    // Batch start.
    // inexactNames: indexes of files whose true names text cannot hold (see engine::collectInputs).
    // subfolders: for each file, where it came from below a dropped folder.
    void startnow(const QStringList& files, const QSet<qsizetype>& inexactNames = {},
                  const QStringList& subfolders = {});
    // The file picker of a click on the door, then startnow with the picked files.
    void pickAndStart();
    // Dropped paths (the system's bytes): their files are collected off the window's
    // thread, then startnow with them. Input is refused meanwhile. askFirst: opened
    // from the shell or a file manager; nothing is written until the person agrees.
    void collectAndStart(const QList<QByteArray>& dropped, bool askFirst = false);
    // The folder picker ("Select Folder"), then its files as a dropped folder's.
    void pickFolderAndStart();
    void timerFired(QTimer* timer);
    static qint64 secondsForTimeString(const QString& text);
    void stopTask(QObject* sender);
    void processLaunchException(const QString& exceptionName);
    quint64 getFileCount() const;
    bool getSign() const { return progressSign || collecting_; }
    // The window closed, or the session ends us: a batch that runs is ended at
    // once, its unfinished files removed, and then the program ends.
    void endWithTheWindow();
    bool busy() const { return loaded(); }
    // How the program ends once the window is closed (a seam for tests).
    std::function<void()> quit = [] { QCoreApplication::exit(0); };
    static constexpr int kMostClosingMs = 10000;

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

    // Outlets, by their names in the window layout.
    Ui::MainWindow& outlets();

    // Read-only views of the batch state, for tests and benchmarks.
    const QStringList& convertFiles() const { return convertfiles; }
    quint64 finishedFileCount() const;
    qint32 totalDuration() const { return TotalDuration; }
    bool showsFolderReminder() const { return showFolder; }
    QString outputPathText() const { return outputpath; }
    // Progress timers that still tick.
    int liveProgressTimers() const;
    // How many files convert at once in the batch that runs or ran last.
    int jobs() const { return batch_ ? batch_->jobs() : 1; }
    static int maxJobs();
    // The batch that runs or ran last; what became of each of its files.
    const engine::Batch* batch() const { return batch_.get(); }
    const engine::BatchReport& report() const;
    BatchListModel* listModel() const;
    QTreeView* listView() const;
    // The error view shows at most this much of the latest chunk: its end.
    static constexpr qsizetype kErrorViewMost = 2048;
    static inline const QString kWindowTitle = QStringLiteral("Qelvanto");

    // Seams for tests: the dialogs, the runner factory, and whether a screen
    // reader listens (none: ask the platform).
    void setScreenReaderActive(std::optional<bool> active) { screenReader_ = active; }
    void setDialogs(std::unique_ptr<ModalDialogs> dialogs);
    using RunnerFactory = engine::RunnerFactory;
    void setRunnerFactory(RunnerFactory factory) { runnerFactory_ = std::move(factory); }


private:
    void startCollected(engine::CollectedInputs inputs);
    bool agreesToConvert(const engine::CollectedInputs& inputs);
    void batchStart(engine::CollectedInputs inputs);
    void createBatch(const engine::CollectedInputs& inputs);
    engine::ConversionSettings chosenSettings() const;
    bool loaded() const { return batch_ && !batch_->ended(); }
    // Once a second while a batch runs: the list's rows, the title, the time left.
    void batchTick();
    void startProgressTimer();
    void stopProgressTimer();
    void showProgress(std::optional<int> percent);
    bool chooseOutputFolder();
    void restoreSettings();
    void showChoiceNotes();
    // A screen reader listens: what changes while files convert is applied at the tick.
    bool announcesAtTheTick() const;
    void flushConsole();
    void insertIntoConsole(const QString& text);
    // A file that never reached the encoder's conversion: its console lines are written.
    void endOfFileNotRun();
    // The runner of a conversion still running, once the one held has ended.
    void holdAnotherRunner(const engine::Journey* ended);

    // What the window does at the batch's and the journeys' events.
    void batchFileEnded(engine::Journey* journey) override;
    void batchEncoderUnusable(const engine::EncoderTrouble& trouble) override;
    void batchEnded(engine::BatchEnd end) override;
    void journeyPreparing(engine::Journey* journey) override;
    void journeyConverting(engine::Journey* journey) override;
    void journeyNamed(engine::Journey* journey) override;
    QStringList journeyArguments(engine::Journey* journey, const QString& commandText) override;
    void journeyRunnerMade(engine::Journey* journey) override;
    void journeyStarted(engine::Journey* journey) override;
    void journeyLaunched(engine::Journey* journey, const QStringList& arguments) override;
    void journeyOutput(engine::Journey* journey, const QString& chunk) override;
    void journeyError(engine::Journey* journey, const QString& chunk) override;
    void journeyNote(engine::Journey* journey, const QString& note) override;

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
    void abandonBatch();
    void completionAlert();

    MainWindow* mainWindow_ = nullptr;
    Ui::MainWindow* ui_ = nullptr;
    std::unique_ptr<ModalDialogs> dialogs_;
    RunnerFactory runnerFactory_ = engine::defaultRunnerFactory();

    QStringList convertfiles;
    qint32 TotalDuration = 0;
    bool progressSign = false;
    bool collecting_ = false; // a drop's folders are being walked
    bool closing_ = false;    // the program ends once the batch has
    bool showFolder = false;
    QString outputpath;
    std::shared_ptr<KVShellWrapper> shellWrapper_;
    struct DeleteLater {
        void operator()(QObject* o) const { o->deleteLater(); }
    };
    std::unique_ptr<engine::Batch, DeleteLater> batch_;
    std::unique_ptr<engine::Presenter> presenter_;
    std::optional<bool> screenReader_;
    QString pendingConsole_; // console text for the next tick
    std::optional<engine::Presenter::Alert> encoderAlert_;
    bool errorViewBeginsForeign_ = false; // the error view's text begins inside a dumped tag
    QTimer* progressTimer_ = nullptr;
    void (BannerController::*runAction_)(QObject*) = &BannerController::printBanner;
};

// The one controller, reached by the drop target; set first thing at start-up.
extern BannerController* sharedBannerController;
