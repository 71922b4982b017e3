#include "MainWindow.h"

#include "BatchListModel.h"
#include "WindowSetup.h"
#include "engine/Settings.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>

static void initResources()
{
    Q_INIT_RESOURCE(qelvanto); // the images live in a static library
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui_(std::make_unique<Ui::MainWindow>())
{
    initResources();
    ui_->setupUi(this);
    keepPlaceholdersReadable(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // Small screens, or large scaling: never taller or wider than the screen allows.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(size().boundedTo(screen->availableSize() * 0.9).expandedTo(minimumSize()));
    Ui::MainWindow& ui = *ui_;
    // One file at a time up to one per core.
    for (int k = 1; k <= settings::maxJobs(); ++k)
        ui.cmbJobs->addItem(k == 1 ? tr("1 file") : tr("%n files", nullptr, k));
    ui.lblHint->setForegroundRole(QPalette::PlaceholderText); // readable in light and dark themes
    // The grid's own spacing is lost inside spanned columns; captions and units keep
    // their distance from the boxes themselves.
    for (QLabel* caption : {ui.lblFormat, ui.lblSize, ui.lblrate, ui.lblChannel, ui.lblJobs, ui.lblOutputPath})
        caption->setContentsMargins(0, 0, 8, 0);
    for (QLabel* unit : {ui.lblPX, ui.lblHz})
        unit->setContentsMargins(6, 0, 0, 0);
    ui.lblPbNow->setContentsMargins(8, 0, 0, 0);
    // What a view hides keeps its place, so nothing else moves between views.
    QList<QWidget*> kept = settingsControls() + outputControls();
    kept << ui.pbBar << ui.lblpb << ui.lblPbNow << ui.lblTimeLeft << ui.pb;
    for (QWidget* w : std::as_const(kept)) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    ui.lblRefused->setMinimumHeight(ui.lblRefused->fontMetrics().lineSpacing()); // its line is kept, also empty
    // A longer translation widens the window, and keeps it wide enough, instead of
    // cutting its texts; where the texts fit the window as designed, it stays so.
    if (const int fits = minimumSizeHint().width(); fits > width()) {
        setMinimumWidth(fits);
        resize(fits, height());
    }

    listModel_ = new BatchListModel(this);
    list_ = new QTreeView(centralWidget());
    list_->setObjectName(QStringLiteral("lstFiles"));
    list_->setModel(listModel_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true); // thousands of rows stay smooth
    list_->setAlternatingRowColors(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A long path keeps its start and the file's name in sight.
    list_->setTextElideMode(Qt::ElideMiddle);
    list_->setAccessibleName(tr("Files of the batch"));
    list_->setAccessibleDescription(
        tr("Each file of the batch, what became of it and where it was saved; Enter shows a converted "
           "file in the file manager"));
    list_->header()->setStretchLastSection(true);
    list_->header()->setSectionResizeMode(BatchListModel::Name, QHeaderView::Interactive);
    list_->setColumnWidth(BatchListModel::Name, 180);
    list_->setColumnWidth(BatchListModel::State, 150);
    list_->hide();
    QWidget::setTabOrder(ui.runButton, list_);
    QWidget::setTabOrder(list_, ui.textOutlet);
    // In the band the list lies over the settings' rows, outside every layout:
    // it follows their place, and nothing else ever moves for it.
    centralWidget()->installEventFilter(this);
}

MainWindow::~MainWindow() = default;

QList<QWidget*> MainWindow::settingsControls() const
{
    const Ui::MainWindow& ui = *ui_;
    // The ten in their fixed order, then how many files at once, the notes and the hint.
    return {ui.lblFormat, ui.cmbFormat,  ui.lblSize, ui.cmbbr,   ui.lblPX,       ui.cmbRate,    ui.cmbChannel, ui.lblrate,
            ui.lblHz,     ui.lblChannel, ui.lblJobs, ui.cmbJobs, ui.lblOpusRate, ui.lblRefused, ui.lblHint};
}

QList<QWidget*> MainWindow::outputControls() const
{
    const Ui::MainWindow& ui = *ui_;
    return {ui.cmbOutput, ui.chkKeepFolders, ui.lblExisting, ui.cmbExisting, ui.lblOutputPath, ui.chkSplitCue};
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && list_->parentWidget() == centralWidget() && !list_->isHidden()
        && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        QMetaObject::invokeMethod(this, [this] { fitBand(); }, Qt::QueuedConnection);
    return QMainWindow::eventFilter(watched, event);
}

QRect MainWindow::band() const
{
    const QGridLayout* grid = ui_->controlGrid;
    const QRect first = grid->cellRect(0, 0);
    const QRect last = grid->cellRect(kSettingsRows - 1, grid->columnCount() - 1);
    return first.united(last);
}

void MainWindow::fitBand()
{
    if (inBand_)
        list_->setGeometry(band());
}

int MainWindow::rowsInBand() const
{
    const int row = std::max(1, list_->sizeHintForRow(0));
    return std::max(0, (band().height() - list_->header()->height() - 2 * list_->frameWidth()) / row);
}

void MainWindow::placeList(bool inBand)
{
    inBand_ = inBand;
    ui_->rootLayout->removeWidget(list_);
    if (inBand) {
        list_->setMinimumHeight(0);
        list_->setMaximumHeight(QWIDGETSIZE_MAX);
        // The room it had below the console is given back.
        if (listGrowth_ > 0 && windowState() == Qt::WindowNoState)
            resize(width(), height() - listGrowth_);
        listGrowth_ = 0;
        ui_->rootLayout->activate();
        list_->setGeometry(band());
        list_->raise();
    } else {
        const int rows = 6;
        const int height = list_->header()->sizeHint().height() + 2 * list_->frameWidth()
                         + rows * std::max(list_->sizeHintForRow(0), list_->fontMetrics().height() + 4);
        list_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        list_->setFixedHeight(height);
        ui_->rootLayout->insertWidget(ui_->rootLayout->indexOf(ui_->textOutlet) + 1, list_);
        // The window grows by the list, so that nothing above it moves; as far as
        // the screen allows.
        const QScreen* screen = this->screen();
        if (windowState() == Qt::WindowNoState && screen) {
            const int room = screen->availableGeometry().height() - frameGeometry().height();
            listGrowth_ = std::clamp(height + ui_->rootLayout->spacing(), 0, std::max(0, room));
            resize(width(), this->height() + listGrowth_);
        }
    }
    list_->show();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    saveWindowPlacement(this);
    if (onClose)
        onClose();
    QMainWindow::closeEvent(event);
}
