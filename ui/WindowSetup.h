#pragma once
#include <QPalette>
#include <QString>

#include <optional>

#include "engine/CommandLine.h"
#include "engine/Settings.h"

#include <QIcon>
#include <QUrl>

class QComboBox;
namespace Ui {
class MainWindow;
}
class QLineEdit;
class QWidget;

// Dark when the window is darker than its text.
bool isDarkPalette(const QPalette& palette);
// The picture to show for `name` ("door.jpg") in this palette: itself, or its
// twin drawn on a dark backdrop ("doorDark.jpg").
QString imageForPalette(const QString& name, const QPalette& palette);

// The window's own placeholder colour when the inherited one would not read as
// a hint (too close to the typed text, or to the field); none when it does.
std::optional<QPalette> readablePlaceholders(const QPalette& inherited);
// Applies readablePlaceholders to a top-level window; again at every change of
// the application's palette.
void keepPlaceholdersReadable(QWidget* window);

// The output field's hint tells what the "Save to" choice does.
void followOutputChoice(QComboBox* choice, QLineEdit* field);
// "Original Folder" in the Save to box, whatever language it is shown in.
constexpr int kOriginalFolderIndex = 0;

// The boxes set to the saved choices, and the choices they hold.
void applyChoices(Ui::MainWindow& ui, const settings::SavedChoices& saved);
engine::ConversionSettings choicesOf(const Ui::MainWindow& ui);
// setting.dat, jobs.dat, keepfolders.dat and ifexists.dat from the boxes.
void saveChoices(const Ui::MainWindow& ui);

// The program's icon at the theme's usual sizes.
QIcon applicationIcon();
// The guide the window's help link opens: the installed README, or the source
// tree's when the program runs from its build folder.
QUrl webPageUrl();

// The window's size and place from window.dat, kept within the screen as at a
// first start; nothing when the file is missing or bad.
void restoreWindowPlacement(QWidget* window);
// Writes window.dat; a maximised or minimised window keeps the place saved before.
void saveWindowPlacement(const QWidget* window);
