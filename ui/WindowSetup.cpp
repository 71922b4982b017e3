#include "WindowSetup.h"

#include "ui_MainWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "engine/Settings.h"
#include "engine/CommandLine.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// Perceived brightness, 0 to 1.
qreal luma(const QColor& c)
{
    return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
}

// The colour as drawn with its opacity over the background.
QColor over(const QColor& c, const QColor& background)
{
    const qreal a = c.alphaF();
    return QColor::fromRgbF(float(c.redF() * a + background.redF() * (1 - a)),
                            float(c.greenF() * a + background.greenF() * (1 - a)),
                            float(c.blueF() * a + background.blueF() * (1 - a)));
}

} // namespace

bool isDarkPalette(const QPalette& palette)
{
    return luma(palette.color(QPalette::Window)) < luma(palette.color(QPalette::WindowText));
}

QString imageForPalette(const QString& name, const QPalette& palette)
{
    if (!isDarkPalette(palette))
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name + QStringLiteral("Dark") : name.left(dot) + QStringLiteral("Dark") + name.mid(dot);
}

std::optional<QPalette> readablePlaceholders(const QPalette& inherited)
{
    // A hint reads as one a good way from the field's colour towards the text's,
    // but not all the way. Palettes that set only some roles leave Qt's default,
    // black at half opacity, which vanishes on a dark field; others make it the
    // text colour itself.
    const QColor base = inherited.color(QPalette::Active, QPalette::Base);
    const qreal span = luma(inherited.color(QPalette::Active, QPalette::Text)) - luma(base);
    if (qAbs(span) < 0.2)
        return std::nullopt; // no room between the two
    const qreal towardText =
        (luma(over(inherited.color(QPalette::Active, QPalette::PlaceholderText), base)) - luma(base)) / span;
    if (towardText >= 0.25 && towardText <= 0.8)
        return std::nullopt;
    QPalette own;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QColor hint = inherited.color(group, QPalette::Text);
        hint.setAlphaF(0.5f); // as Qt derives it from the text colour itself
        own.setColor(group, QPalette::PlaceholderText, hint);
    }
    return own;
}

namespace {

class PlaceholderKeeper : public QObject {
public:
    using QObject::QObject;
    static void apply(QWidget* window)
    {
        const auto own = readablePlaceholders(QApplication::palette(window));
        window->setPalette(own ? *own : QPalette()); // an empty palette drops ours
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish || event->type() == QEvent::ApplicationPaletteChange)
            apply(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

void keepPlaceholdersReadable(QWidget* window)
{
    PlaceholderKeeper::apply(window);
    window->installEventFilter(new PlaceholderKeeper(window));
}

void followOutputChoice(QComboBox* choice, QLineEdit* field)
{
    const auto show = [choice, field] {
        field->setPlaceholderText(choice->currentIndex() == kOriginalFolderIndex
                                      ? QCoreApplication::translate("MainWindow", "Converted/ beside each file")
                                      : QCoreApplication::translate("MainWindow", "Asked for when the batch starts"));
    };
    QObject::connect(choice, &QComboBox::currentIndexChanged, field, show);
    show();
}

void restoreWindowPlacement(QWidget* window)
{
    const auto saved = settings::readWindowRect();
    if (!saved)
        return;
    // The place is kept while a screen still shows the window's middle; the size
    // never grows past 90% of the screen, as at a first start.
    const QScreen* screen = QGuiApplication::screenAt(saved->center());
    const QScreen* sizing = screen ? screen : QGuiApplication::primaryScreen();
    if (!sizing)
        return;
    const QRect area = sizing->availableGeometry();
    const QSize size = saved->size().boundedTo(area.size() * 0.9).expandedTo(window->minimumSize());
    window->resize(size);
    if (!screen)
        return; // the window manager places it
    window->move(std::clamp(saved->x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())),
                 std::clamp(saved->y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
}

void saveWindowPlacement(const QWidget* window)
{
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
        return;
    settings::saveWindowRect(QRect(window->pos(), window->size()));
}

void applyChoices(Ui::MainWindow& ui, const settings::SavedChoices& saved)
{
    ui.cmbFormat->setCurrentIndex(saved.format);
    ui.cmbbr->setCurrentIndex(saved.bitrate);
    ui.cmbRate->setCurrentIndex(saved.rate);
    ui.cmbChannel->setCurrentIndex(saved.channel);
    ui.cmbJobs->setCurrentIndex(saved.jobs - 1);
    ui.chkKeepFolders->setChecked(saved.keepFolders);
    ui.cmbExisting->setCurrentIndex(saved.skipExisting ? 1 : 0);
    ui.chkSplitCue->setChecked(saved.splitCue);
}

// The box's texts are in the user's language; the engine knows the two by their English names.
static QString outputChoice(const Ui::MainWindow& ui)
{
    return engine::kOutputChoices.value(ui.cmbOutput->currentIndex() == kOriginalFolderIndex ? 0 : 1);
}

engine::ConversionSettings choicesOf(const Ui::MainWindow& ui)
{
    return {ui.cmbFormat->currentText(),    ui.cmbbr->currentText(),     ui.cmbRate->currentText(),
            ui.cmbChannel->currentIndex(),  outputChoice(ui),             ui.txtOutputPath->text(),
            ui.chkKeepFolders->isChecked(), ui.cmbExisting->currentIndex() == 1, ui.chkSplitCue->isChecked()};
}

void saveChoices(const Ui::MainWindow& ui)
{
    settings::saveSelections(settings::formatSelections(ui.cmbFormat->currentIndex(), ui.cmbbr->currentIndex(),
                                                        ui.cmbRate->currentIndex(), ui.cmbChannel->currentIndex()));
    settings::saveJobs(std::max(1, ui.cmbJobs->currentIndex() + 1));
    settings::saveKeepFolders(ui.chkKeepFolders->isChecked());
    settings::saveSkipExisting(ui.cmbExisting->currentIndex() == 1);
    settings::saveSplitCue(ui.chkSplitCue->isChecked());
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/qelvanto-%1.png").arg(size), QSize(size, size));
    return icon;
}

// The project has no web site; its documentation page is the README.
QUrl webPageUrl()
{
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../")
                                              + QStringLiteral(QELVANTO_INSTALL_DOC_PAGE));
    return QUrl::fromLocalFile(QFileInfo::exists(installed) ? installed : QStringLiteral(QELVANTO_SOURCE_DOC_PAGE));
}
