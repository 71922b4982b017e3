#pragma once
#include <QMainWindow>

#include <functional>
#include <memory>

class QTreeView;
class BatchListModel;
namespace Ui {
class MainWindow;
}

// The main window as the layout makes it, with what the layout cannot say: the
// list of the batch's files, the boxes' spacing, "At once" up to one per core,
// the tab order. It keeps its hints readable in any palette, and its close saves
// its place and asks the application delegate before it quits.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Ui::MainWindow& ui() { return *ui_; }
    QTreeView* list() const { return list_; }
    BatchListModel* listModel() const { return listModel_; }
    // The settings' rows, which the hint and the boxes take, in their fixed order
    // of the Parts, then the ones beside them.
    QList<QWidget*> settingsControls() const;
    // The controls beside "Save to" that a batch hides with it.
    QList<QWidget*> outputControls() const;

    // During a batch the list takes the band the hidden settings leave, and nothing
    // else moves; after it, it stays in sight below the console, and the window
    // grows by it as far as the screen allows.
    void placeList(bool inBand);
    // How many of the list's rows the band shows.
    int rowsInBand() const;

    std::function<void()> onClose;
    // The grid's rows of the hint and the settings, which the list takes during a batch.
    static constexpr int kSettingsRows = 5;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect band() const;
    void fitBand();

    bool inBand_ = false;
    std::unique_ptr<Ui::MainWindow> ui_;
    QTreeView* list_ = nullptr;
    BatchListModel* listModel_ = nullptr;
    int listGrowth_ = 0; // how much the window grew to show the list below the console
};
