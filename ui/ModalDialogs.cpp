#include "ModalDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

int WidgetDialogs::runAlert(const QString& message, const QString& informative, const QStringList& buttons)
{
    QMessageBox box(parent_);
    box.setWindowTitle(QStringLiteral("Qelvanto"));
    box.setText(message);
    box.setInformativeText(informative);
    // Wide enough for its title and a sentence on one line.
    box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: 280px; }"));
    const QStringList titles = buttons.isEmpty() ? QStringList{QStringLiteral("OK")} : buttons;
    QList<QAbstractButton*> added;
    for (const QString& title : titles)
        added << box.addButton(title, added.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
    box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
    box.setEscapeButton(added.last());
    box.exec();
    const qsizetype index = added.indexOf(box.clickedButton());
    return 1000 + int(index < 0 ? added.size() - 1 : index);
}

std::optional<QStringList> WidgetDialogs::pickFiles(const QString& title)
{
    QFileDialog dialog(parent_, title);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Picking files makes no folders.
    dialog.setOption(QFileDialog::ReadOnly, true);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles();
}

std::optional<QUrl> WidgetDialogs::pickFolder(const QString& title, const QString& startIn)
{
    QFileDialog dialog(parent_, title);
    if (!startIn.isEmpty())
        dialog.setDirectory(startIn);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedUrls().isEmpty())
        return std::nullopt;
    return dialog.selectedUrls().first();
}

std::optional<QString> WidgetDialogs::pickInputFolder(const QString& title)
{
    QFileDialog dialog(parent_, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setOption(QFileDialog::ReadOnly, true); // picking what to convert makes no folders
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}
