// The drop target with real drop events, input collection on real folders, the
// settings store through the real executable, and the calls to the desktop on a
// private message bus.
#include "WindowSupport.h"

#include "MainWindow.h"
#include "NSCImageView.h"
#include "ui/BannerController.h"
#include "ui/DesktopIntegration.h"
#include "engine/Choices.h"
#include "engine/InputCollection.h"

#include <QAccessible>
#include <QComboBox>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QScreen>
#include <QDesktopServices>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <functional>
#include <sys/stat.h>

// The desktop's services as the test's own objects on the bus; they record each call.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QList<QVariantList> calls;
public slots:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        calls << QVariantList{app, replaces, icon, summary, body, actions, hints, timeout};
        return 1;
    }
};
class FakeFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QList<QVariantList> calls;
public slots:
    void ShowItems(const QStringList& uris, const QString& startupId) { calls << QVariantList{uris, startupId}; }
};

class InputTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    void touch(const QString& rel)
    {
        QDir().mkpath(QFileInfo(dir.filePath(rel)).path());
        QFile f(dir.filePath(rel));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QString settingsDir() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Qelvanto";
    }
    // Starts the real program, closes its window after start-up; its standard output.
    QByteArray runProgram(const QString& home);

private slots:
    void init() { failOnEveryWarning(); }
    void initTestCase();
    void collectsFilesAndFolders();
    void dropEventsStartBatches();
    void dropWhileBusyIsRefused();
    void keyboardAndScreenReader();
    void settingsFirstStartAndRoundTrip();
    void settingsOddFiles();
    void windowIdentityAndWebLink();
    void boxesOfferTheChoices();
    void pathsOnTheCommandLineStartABatch();
    void desktopCallsOverTheBus();

public slots:
    void openedUrl(const QUrl& url) { opened << url; }

private:
    QList<QUrl> opened;
};

void InputTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void InputTest::collectsFilesAndFolders()
{
    touch("a.ogg");
    touch("b.ogg");
    touch("D/x.ogg");
    touch("D/S/y.ogg");
    touch("D/.hidden");
    QDir().mkpath(dir.filePath("E/F"));
    QVERIFY(QFile::link(dir.filePath("D/S"), dir.filePath("D/link")));
    QVERIFY(QFile::link(dir.filePath("D/x.ogg"), dir.filePath("D/S/filelink")));
    QVERIFY(QFile::link(dir.filePath("nowhere"), dir.filePath("D/broken")));
    const QStringList got = engine::collectInputs({dir.filePath("a.ogg"), dir.filePath("b.ogg"), dir.filePath("D")});
    QCOMPARE(got.mid(0, 2), (QStringList{dir.filePath("a.ogg"), dir.filePath("b.ogg")}));
    QStringList rest = got.mid(2);
    rest.sort();
    // Links to files, even broken ones, are files; a link to a folder is neither listed nor entered.
    QCOMPARE(rest, (QStringList{dir.filePath("D") + "/.hidden", dir.filePath("D") + "/S/filelink",
                                dir.filePath("D") + "/S/y.ogg", dir.filePath("D") + "/broken",
                                dir.filePath("D") + "/x.ogg"}));
    QCOMPARE(engine::collectInputs({dir.filePath("E")}), QStringList{});
    QCOMPARE(engine::collectInputs({dir.filePath("gone.ogg")}), QStringList{dir.filePath("gone.ogg")});
}

void InputTest::dropEventsStartBatches()
{
    BannerController c;
    auto d = std::make_unique<ScriptedDialogs>();
    auto* dialogs = d.get();
    c.setDialogs(std::move(d));
    c.applicationDidFinishLaunching();
    c.mainWindow()->show();
    auto* img = c.outlets().imgView;
    QCOMPARE(img->currentImageName(), QStringLiteral("door.jpg"));

    // Files without audio: each is probed and skipped; the batch ends with its alert.
    touch("drop/n1.txt");
    touch("drop/sub/n2.txt");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dir.filePath("drop"))});
    // A source that proposes a move is answered with a copy: it must not delete the originals.
    const Qt::DropActions both = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(5, 5), both, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(img, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QCOMPARE(img->currentImageName(), QStringLiteral("doorLight.jpg"));
    QDropEvent drop(QPointF(5, 5), both, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(img, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QVERIFY(QTest::qWaitFor([&] { return dialogs->alerts.size() == 1; }, 20000));
    QCOMPARE(c.convertFiles().size(), 2);
    QCOMPARE(img->currentImageName(), QStringLiteral("door.jpg"));

    // An empty folder: an empty batch, straight to its alert.
    QDir().mkpath(dir.filePath("empty"));
    data.setUrls({QUrl::fromLocalFile(dir.filePath("empty"))});
    QVERIFY(dropOn(img, &data));
    QTRY_COMPARE(dialogs->alerts.size(), 2);
    QVERIFY(c.convertFiles().isEmpty());

    // No file names: accepted and ignored.
    QMimeData image;
    image.setData("image/tiff", "II*\0");
    QVERIFY(dropOn(img, &image));
    QCOMPARE(dialogs->alerts.size(), 2);

    // A click opens the picker; a cancel starts nothing, a pick starts the batch.
    QTest::mouseClick(img, Qt::LeftButton);
    QCOMPARE(dialogs->panelTitles.last(), QStringLiteral("Select File(s)"));
    QCOMPARE(dialogs->alerts.size(), 2);
    dialogs->files = {QStringList{dir.filePath("drop/n1.txt")}};
    QTest::mouseClick(img, Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return dialogs->alerts.size() == 3; }, 20000));
    QCOMPARE(c.convertFiles(), QStringList{dir.filePath("drop/n1.txt")});

    // Whatever the source offers: a copy when it can, else a link, never a move; a
    // refused drop starts no batch.
    const struct { const char* offer; Qt::DropActions offered; Qt::DropAction answer; } offers[] = {
        {"move or link", Qt::MoveAction | Qt::LinkAction, Qt::LinkAction},
        {"copy, move or link", Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction},
        {"move only", Qt::MoveAction, Qt::IgnoreAction},
    };
    for (const auto& k : offers) {
        const qsizetype alerts = dialogs->alerts.size();
        const bool taken = k.answer != Qt::IgnoreAction;
        QDragEnterEvent offer(QPoint(5, 5), k.offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(img, &offer);
        QVERIFY2(offer.isAccepted() == taken && (!taken || offer.dropAction() == k.answer), k.offer);
        QDropEvent dropped(QPointF(5, 5), k.offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(img, &dropped);
        QVERIFY2(dropped.isAccepted() == taken && (!taken || dropped.dropAction() == k.answer), k.offer);
        QTRY_VERIFY2(dialogs->alerts.size() == alerts + (taken ? 1 : 0), k.offer);
    }
}

void InputTest::dropWhileBusyIsRefused()
{
    BannerController c;
    auto d = std::make_unique<ScriptedDialogs>();
    auto* dialogs = d.get();
    c.setDialogs(std::move(d));
    c.applicationDidFinishLaunching();
    auto* img = c.outlets().imgView;
    QVERIFY(makeTone(dir.filePath("long.wav"), 120.0));
    c.startnow({dir.filePath("long.wav")});
    QVERIFY(QTest::qWaitFor([&] { return c.shellWrapper() != nullptr; }, 20000));
    QVERIFY(c.getSign());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dir.filePath("long.wav"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(img, &enter);
    QVERIFY(!enter.isAccepted());
    QCOMPARE(img->currentImageName(), QStringLiteral("door.jpg"));
    QVERIFY(!img->performDragOperation(&data));
    QTest::mouseClick(img, Qt::LeftButton);
    // The keyboard and a screen reader's press are refused the same way.
    c.mainWindow()->show();
    QVERIFY(QTest::qWaitForWindowActive(c.mainWindow()));
    img->setFocus();
    QTest::keyClick(img, Qt::Key_Return);
    QTest::keyClick(img, Qt::Key_O, Qt::ControlModifier);
    QAccessible::queryAccessibleInterface(img)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(dialogs->panelTitles.isEmpty());
    c.stopTask(nullptr);
    QVERIFY(QTest::qWaitFor([&] { return dialogs->alerts.size() == 1; }, 20000));
    QCOMPARE(c.convertFiles().size(), 1);
}

void InputTest::keyboardAndScreenReader()
{
    BannerController c;
    auto d = std::make_unique<ScriptedDialogs>();
    auto* dialogs = d.get();
    c.setDialogs(std::move(d));
    c.mainWindow()->show();
    c.applicationDidFinishLaunching();
    QVERIFY(QTest::qWaitForWindowActive(c.mainWindow()));
    auto& ui = c.outlets();
    // The door has the focus at start; Enter, Space and Ctrl+O (from any control) pick files.
    QCOMPARE(QApplication::focusWidget(), ui.imgView);
    QTest::keyClick(ui.imgView, Qt::Key_Return);
    QTest::keyClick(ui.imgView, Qt::Key_Space);
    ui.cmbRate->setFocus();
    QTest::keyClick(ui.cmbRate, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(dialogs->panelTitles, QStringList(3, "Select File(s)"));
    // Tab follows the layout.
    QList<QWidget*> order;
    for (QWidget* w = ui.imgView->nextInFocusChain(); w != ui.imgView && order.size() < 20; w = w->nextInFocusChain())
        if (w->isVisibleTo(c.mainWindow()) && (w->focusPolicy() & Qt::TabFocus))
            order << w;
    QCOMPARE(order.mid(0, 13), (QList<QWidget*>{ui.cmbFormat, ui.cmbbr, ui.cmbRate, ui.cmbChannel, ui.cmbJobs, ui.cmbOutput,
                                                ui.chkKeepFolders, ui.cmbExisting, ui.chkSplitCue, ui.txtOutputPath, ui.lblWeb,
                                                ui.runButton, ui.textOutlet}));
    // What a screen reader hears: every control has a name, the boxes by their captions,
    // the door as a button whose press picks files.
    const QList<std::pair<QWidget*, QString>> named{{ui.cmbFormat, "Format"}, {ui.cmbbr, "Bitrate"},
                                                    {ui.cmbRate, "Sample rate"}, {ui.cmbChannel, "Channels"},
                                                    {ui.cmbOutput, "Save to"}, {ui.chkKeepFolders, "Keep folders"},
                                                    {ui.cmbExisting, "If it exists"}, {ui.chkSplitCue, "Split by cue sheet"},
                                                    {ui.imgView, "Add files"}};
    // On Linux a box's name is its value and its caption comes as its label relation.
    const auto heard = [](QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        QStringList names{a->text(QAccessible::Name)};
        for (const auto& [other, relation] : a->relations(QAccessible::Label))
            names << other->text(QAccessible::Name);
        return names;
    };
    for (const auto& [w, name] : named)
        QVERIFY2(heard(w).contains(name), qPrintable(heard(w).join(", ")));
    for (QWidget* w : c.mainWindow()->findChildren<QWidget*>()) {
        if (w == ui.textSource || !(qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w)
                                    || qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)
                                    || qobject_cast<QProgressBar*>(w) || w == ui.imgView))
            continue;
        if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parent()))
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
        QVERIFY2(!a->text(QAccessible::Description).isEmpty(), qPrintable(w->objectName()));
    }
    QAccessibleInterface* door = QAccessible::queryAccessibleInterface(ui.imgView);
    QCOMPARE(door->role(), QAccessible::Button);
    // The press returns at once; the picker comes on the next pass of the event loop.
    door->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(dialogs->panelTitles.size(), 3);
    QTRY_COMPARE(dialogs->panelTitles.size(), 4);

    // A folder from the keyboard, collected as a dropped one: Ctrl+Shift+O, or the
    // door's second action.
    touch("keys/sub/k.txt");
    dialogs->inputFolders = {dir.filePath("keys")};
    QTest::keyClick(ui.cmbRate, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(dialogs->panelTitles.last(), QStringLiteral("Select Folder"));
    QTRY_COMPARE(dialogs->alerts.size(), 1);
    QCOMPARE(c.convertFiles(), QStringList{dir.filePath("keys") + "/sub/k.txt"});
    QVERIFY(door->actionInterface()->actionNames().contains(NSCImageView::kAddFolderAction));
    door->actionInterface()->doAction(NSCImageView::kAddFolderAction);
    QTRY_COMPARE(dialogs->panelTitles.size(), 6);
    // While an alert or a panel is up, the door takes nothing, not even from a screen reader.
    QDialog alert(c.mainWindow());
    alert.setModal(true);
    alert.show();
    for (const QString& action : {QAccessibleActionInterface::pressAction(), NSCImageView::kAddFolderAction})
        door->actionInterface()->doAction(action);
    ui.imgView->mouseUp();
    ui.imgView->addFolder();
    QCoreApplication::processEvents();
    QCOMPARE(dialogs->panelTitles.size(), 6);
}

QByteArray InputTest::runProgram(const QString& home)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", home);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(QELVANTO_EXE));
    if (!p.waitForStarted())
        return "not started";
    // It is ready to be ended the way a session ends it (which closes the window)
    // once it catches SIGTERM; the kernel says so in its status.
    const auto catchesTerm = [&] {
        QFile status(QStringLiteral("/proc/%1/status").arg(p.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("SigCgt:"))
                return bool((line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1);
        return false;
    };
    if (!QTest::qWaitFor(catchesTerm, 20000))
        return "never ready";
    p.terminate();
    p.waitForFinished(20000);
    return p.readAllStandardOutput();
}

void InputTest::settingsFirstStartAndRoundTrip()
{
    QTemporaryDir home;
    const QString folder = home.filePath("Qelvanto");
    QCOMPARE(runProgram(home.path()), QByteArray());
    QFile dat(folder + "/setting.dat");
    QVERIFY(dat.open(QIODevice::ReadOnly));
    QCOMPARE(dat.readAll(), QByteArray("0,5,2,1"));
    dat.close();
    QFile jobs(folder + "/jobs.dat");
    QVERIFY(jobs.open(QIODevice::ReadOnly));
    QCOMPARE(jobs.readAll(), QByteArray("1"));
    QFile window(folder + "/window.dat");
    QVERIFY(window.open(QIODevice::ReadOnly));
    QCOMPARE(window.readAll(), QByteArray("0,0,600,640"));
    // Choices written by hand come back, and are echoed first.
    QVERIFY(dat.open(QIODevice::WriteOnly));
    dat.write("3,2,0,0");
    dat.close();
    QFile no(folder + "/folder.dat");
    QVERIFY(no.open(QIODevice::WriteOnly));
    no.write("NO");
    no.close();
    QCOMPARE(runProgram(home.path()), QByteArray("3,2,0,0NO"));
    QVERIFY(dat.open(QIODevice::ReadOnly));
    QCOMPARE(dat.readAll(), QByteArray("3,2,0,0"));
}

void InputTest::settingsOddFiles()
{
    // jobs.dat is never echoed; anything but a number of files the window offers means 1.
    const QByteArray two = QThread::idealThreadCount() >= 2 ? "2" : "1";
    // window.dat is never echoed either; the window comes back within 90% of the
    // screen and no smaller than its least size, and wholly on the screen that
    // shows its middle; a place off every screen is left to the window manager.
    const QSize most = QGuiApplication::primaryScreen()->availableSize() * 0.9;
    const QByteArray largest = QStringLiteral("0,0,%1,%2").arg(most.width()).arg(most.height()).toUtf8();
    const struct { QByteArray setting, folder, echo, saved, jobs, jobsSaved, window, windowSaved; } cases[] = {
        {" 3, 2,0,0\n", "NO\n", " 3, 2,0,0\nNO\n", "3,2,0,0", "2", two, "30,40,560,480", "30,40,560,480"},
        {"1,2,3,1,8", "no", "1,2,3,1,8no", "1,2,3,1", "", "1", "0,0,50000,50000", largest},
        {"2,\xff,1,1", "", "2,", "0,0,0,0", "99999", "1", "30,40,100,100", "30,40,520,440"},
        {"99,5,2,1", "NO", "99,5,2,1NO", "0,5,2,1", "2\n", "1", "30,40,560,480\n", "0,0,600,640"},
        {"0,5,2,1", "", "0,5,2,1", "0,5,2,1", "0", "1", "-30000,40,560,480", "0,0,560,480"},
    };
    for (const auto& k : cases) {
        QTemporaryDir home;
        QDir().mkpath(home.filePath("Qelvanto"));
        QFile s(home.filePath("Qelvanto/setting.dat"));
        QVERIFY(s.open(QIODevice::WriteOnly));
        s.write(k.setting);
        s.close();
        QFile f(home.filePath("Qelvanto/folder.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(k.folder);
        f.close();
        QFile j(home.filePath("Qelvanto/jobs.dat"));
        QVERIFY(j.open(QIODevice::WriteOnly));
        j.write(k.jobs);
        j.close();
        QFile w(home.filePath("Qelvanto/window.dat"));
        QVERIFY(w.open(QIODevice::WriteOnly));
        w.write(k.window);
        w.close();
        QCOMPARE(runProgram(home.path()), k.echo);
        QVERIFY(s.open(QIODevice::ReadOnly));
        QCOMPARE(s.readAll(), k.saved);
        QVERIFY(j.open(QIODevice::ReadOnly));
        QCOMPARE(j.readAll(), k.jobsSaved);
        QVERIFY(w.open(QIODevice::ReadOnly));
        QCOMPARE(w.readAll(), k.windowSaved);
    }
    // What is not a small regular file reads as absent and is never echoed; the
    // save replaces it with a file and leaves whatever a link named alone.
    const struct { const char* name; std::function<bool(const QString&)> make; } odd[] = {
        {"FIFO", [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0644) == 0; }},
        {"link to /dev/zero", [](const QString& p) { return QFile::link("/dev/zero", p); }},
        {"200 MB", [](const QString& p) { QFile f(p); return f.open(QIODevice::WriteOnly) && f.resize(200 << 20); }},
    };
    for (const auto& k : odd) {
        QTemporaryDir home;
        QVERIFY(QDir().mkpath(home.filePath("Qelvanto")));
        for (const char* name : {"setting.dat", "folder.dat", "jobs.dat", "window.dat"})
            QVERIFY2(k.make(home.filePath(QStringLiteral("Qelvanto/") + name)), k.name);
        QCOMPARE(runProgram(home.path()), QByteArray());
        QFile s(home.filePath("Qelvanto/setting.dat"));
        QVERIFY2(!s.symLinkTarget().size() && s.open(QIODevice::ReadOnly), k.name);
        QCOMPARE(s.readAll(), QByteArray("0,5,2,1"));
        QFile w(home.filePath("Qelvanto/window.dat"));
        QVERIFY2(!w.symLinkTarget().size() && w.open(QIODevice::ReadOnly), k.name);
        QCOMPARE(w.readAll(), QByteArray("0,0,600,640"));
    }
    QVERIFY(QFileInfo("/dev/zero").exists() && !QFileInfo("/dev/zero").isFile());
}

void InputTest::windowIdentityAndWebLink()
{
    BannerController c;
    c.applicationDidFinishLaunching();
    c.mainWindow()->show();
    QCOMPARE(c.mainWindow()->windowTitle(), QStringLiteral("Qelvanto"));
    const QList<QSize> sizes = c.mainWindow()->windowIcon().availableSizes();
    for (int side : {16, 32, 48, 256})
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));

    // The link opens the documentation page, a file that is there to read.
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openedUrl");
    c.outlets().lblWeb->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(opened.size(), 1);
    QVERIFY(opened.first().isLocalFile());
    QVERIFY(opened.first().toLocalFile().endsWith(QStringLiteral("/README.md")));
    QFile page(opened.first().toLocalFile());
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(page.readAll().startsWith("# Qelvanto"));

    // The output field's hint tells what the "Save to" choice does.
    auto& ui = c.outlets();
    QCOMPARE(ui.txtOutputPath->placeholderText(), QStringLiteral("Converted/ beside each file"));
    ui.cmbOutput->setCurrentIndex(1);
    QCOMPARE(ui.txtOutputPath->placeholderText(), QStringLiteral("Asked for when the batch starts"));
    ui.cmbOutput->setCurrentIndex(0);
    QCOMPARE(ui.txtOutputPath->placeholderText(), QStringLiteral("Converted/ beside each file"));

    // Dark palettes get the door on a dark backdrop and hints half way from the
    // field to the text, whether the palette left Qt's black hint or made it the
    // text colour; the light palette is left as it is, and so is the door's name.
    const QPalette light = QApplication::palette();
    const auto backdrop = [&] { return ui.imgView->pixmap().toImage().pixelColor(2, 2).lightness(); };
    const auto hint = [&] { return ui.txtOutputPath->palette().color(QPalette::PlaceholderText); };
    const auto lightAsItWas = [&] {
        return backdrop() > 200 && hint() == light.color(QPalette::PlaceholderText)
            && !c.mainWindow()->testAttribute(Qt::WA_SetPalette);
    };
    QVERIFY(lightAsItWas());
    for (bool hintAsText : {false, true}) {
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(53, 53, 53));
        dark.setColor(QPalette::Base, QColor(35, 35, 35));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, Qt::white);
        if (hintAsText)
            dark.setColor(QPalette::PlaceholderText, Qt::white);
        QApplication::setPalette(dark);
        QTRY_VERIFY(backdrop() < 80);
        QCOMPARE(ui.imgView->currentImageName(), QStringLiteral("door.jpg"));
        QVERIFY2(hint().rgb() == QColor(Qt::white).rgb() && qAbs(hint().alpha() - 128) <= 1,
                 qPrintable(hint().name(QColor::HexArgb)));
        QApplication::setPalette(light);
        QTRY_VERIFY(lightAsItWas());
    }
}

void InputTest::boxesOfferTheChoices()
{
    // The command line takes the same texts and setting.dat's indexes mean the same.
    BannerController c;
    c.applicationDidFinishLaunching();
    auto& ui = c.outlets();
    const auto items = [](const QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    };
    QCOMPARE(items(ui.cmbFormat), engine::kFormats);
    QCOMPARE(items(ui.cmbbr), engine::kBitrates);
    QCOMPARE(items(ui.cmbRate), engine::kRates);
    QCOMPARE(items(ui.cmbChannel), engine::kChannels);
    QCOMPARE(items(ui.cmbOutput), engine::kOutputChoices);
    QCOMPARE(ui.cmbFormat->currentIndex(), engine::kDefaultFormat);
    QCOMPARE(ui.cmbbr->currentIndex(), engine::kDefaultBitrate);
    QCOMPARE(ui.cmbRate->currentIndex(), engine::kDefaultRate);
    QCOMPARE(ui.cmbChannel->currentIndex(), engine::kDefaultChannel);
}

void InputTest::pathsOnTheCommandLineStartABatch()
{
    // A file given by its relative name and a folder, as a file manager or a shell
    // passes them: the window shows what it would do and writes nothing before
    // the person agrees.
    QTemporaryDir home, work;
    QDir().mkpath(home.filePath("Qelvanto"));
    QFile dat(home.filePath("Qelvanto/setting.dat"));
    QVERIFY(dat.open(QIODevice::WriteOnly) && dat.write("3,5,2,1") == 7);
    dat.close();
    QVERIFY(makeTone(work.filePath("one.wav")));
    QVERIFY(makeTone(work.filePath("Album/CD 1/two.flac")));
    const QStringList before = allEntries(work.path()) + allEntries(work.filePath("Album/CD 1"));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", home.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_LOGGING_RULES", "qelvanto.ui.debug=true");
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(work.path());
    p.start(QStringLiteral(QELVANTO_EXE), {QStringLiteral("one.wav"), work.filePath("Album")});
    QVERIFY(p.waitForStarted());
    QByteArray err;
    QVERIFY(QTest::qWaitFor([&] {
        err += p.readAllStandardError();
        return err.contains("Asking:");
    }, 60000));
    QVERIFY2(err.contains("Asking: Convert 2 files to ogg, 192 kbit/s, into Converted/ beside each file?"), err.constData());
    QCOMPARE(allEntries(work.path()) + allEntries(work.filePath("Album/CD 1")), before);
    p.terminate();
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(allEntries(work.path()) + allEntries(work.filePath("Album/CD 1")), before);
    // The window's saved choices apply, echoed at start-up as without arguments.
    QCOMPARE(p.readAllStandardOutput(), QByteArray("3,5,2,1"));

    // Agreed, they convert as if they had been dropped; refused, nothing happens.
    for (const int answer : {1001, 1000}) {
        auto c = std::make_unique<BannerController>();
        auto d = std::make_unique<ScriptedDialogs>();
        ScriptedDialogs* dialogs = d.get();
        dialogs->alertAnswers = {answer, 1000};
        c->setDialogs(std::move(d));
        c->applicationDidFinishLaunching();
        c->collectAndStart({QFile::encodeName(work.filePath("one.wav")), QFile::encodeName(work.filePath("Album"))}, true);
        QVERIFY(QTest::qWaitFor([&] { return !dialogs->alerts.isEmpty(); }, 30000));
        QCOMPARE(dialogs->alerts[0].buttons, QStringList({"Convert", "Cancel"}));
        if (answer == 1001) {
            QVERIFY(!c->busy());
            QCOMPARE(allEntries(work.path()) + allEntries(work.filePath("Album/CD 1")), before);
            continue;
        }
        QVERIFY(QTest::qWaitFor([&] { return dialogs->alerts.size() == 2; }, 60000));
        QCOMPARE(dialogs->alerts[1].informative, QStringLiteral("Conversion Completed."));
        QVERIFY(probeAudio(work.filePath("Converted/one.mp3")).ok);
        QVERIFY(probeAudio(work.filePath("Album/CD 1/Converted/two.mp3")).ok);
    }
}

void InputTest::desktopCallsOverTheBus()
{
    // A bus of the test's own, which knows no service it could start.
    QTemporaryDir busDir;
    QFile config(busDir.filePath("bus.conf"));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("<busconfig><type>session</type><listen>unix:dir=" + QFile::encodeName(busDir.path())
                 + "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/><allow receive_sender=\"*\"/>"
                   "<allow own=\"*\"/></policy></busconfig>");
    config.close();
    QProcess daemon;
    daemon.start("dbus-daemon", {"--config-file=" + config.fileName(), "--print-address", "--nofork"});
    if (!daemon.waitForStarted())
        QSKIP("dbus-daemon cannot be started (Debian's dbus-daemon package)");
    if (!QTest::qWaitFor([&] { return daemon.canReadLine() || daemon.state() == QProcess::NotRunning; }, 20000)
        || !daemon.canReadLine())
        QSKIP("dbus-daemon gave no address");
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    const auto stop = qScopeGuard([&] {
        QDBusConnection::disconnectFromBus("qelvanto");
        QDBusConnection::disconnectFromBus("desktop");
        QDBusConnection::disconnectFromBus("none");
        daemon.terminate();
        daemon.waitForFinished();
    });
    QDBusConnection app = QDBusConnection::connectToBus(address, "qelvanto");
    QDBusConnection desktop = QDBusConnection::connectToBus(address, "desktop");
    QVERIFY(app.isConnected() && desktop.isConnected());

    // No bus, or no service on it: not sent, and nothing waits.
    QList<bool> sent;
    const auto record = [&](bool s) { sent << s; };
    notifyDesktop(QDBusConnection::connectToBus("unix:path=" + busDir.filePath("none"), "none"), "a", "b", record);
    QCOMPARE(sent, QList<bool>{false});
    notifyDesktop(app, "a", "b", record);
    QCOMPARE(sent.size(), 1); // asked, not yet answered
    QTRY_COMPARE(sent, (QList<bool>{false, false}));

    FakeNotifications notifications;
    FakeFileManager fileManager;
    QVERIFY(desktop.registerObject("/org/freedesktop/Notifications", &notifications, QDBusConnection::ExportAllSlots));
    QVERIFY(desktop.registerObject("/org/freedesktop/FileManager1", &fileManager, QDBusConnection::ExportAllSlots));
    QVERIFY(desktop.registerService("org.freedesktop.Notifications"));
    QVERIFY(desktop.registerService("org.freedesktop.FileManager1"));
    notifyDesktop(app, "Complete", "2 files converted.", record);
    QTRY_COMPARE(notifications.calls.size(), 1);
    QCOMPARE(sent.last(), true);
    QCOMPARE(notifications.calls.first(),
             (QVariantList{"Qelvanto", 0u, "org.qelvanto.Qelvanto", "Complete", "2 files converted.", QStringList(),
                           QVariantMap{{"desktop-entry", "org.qelvanto.Qelvanto"}}, -1}));

    // The file manager selects the file; once it is gone, the folder opens instead.
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openedUrl");
    const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); });
    opened.clear();
    showInFileManager(app, dir.filePath("shown/a b.mp3"));
    QTRY_COMPARE(fileManager.calls.size(), 1);
    QCOMPARE(fileManager.calls.first(),
             (QVariantList{QStringList{"file://" + QUrl::toPercentEncoding(dir.filePath("shown/a b.mp3"), "/")}, QString()}));
    QVERIFY(desktop.unregisterService("org.freedesktop.FileManager1"));
    // The bus answers in order, so a folder opened for the first call would come first.
    showInFileManager(app, dir.filePath("gone/c.mp3"));
    QTRY_COMPARE(opened.size(), 1);
    QCOMPARE(opened.first(), QUrl::fromLocalFile(dir.filePath("gone")));
    QCOMPARE(fileManager.calls.size(), 1);
}

QTEST_MAIN(InputTest)
#include "tst_input.moc"
