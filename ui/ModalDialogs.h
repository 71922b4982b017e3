#pragma once
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

class QWidget;

// Every modal question the program asks goes through here, so tests can answer.
class ModalDialogs {
public:
    virtual ~ModalDialogs() = default;
    // 1000 for the first button, 1001 for the second, ...; no buttons: one "OK".
    virtual int runAlert(const QString& message, const QString& informative, const QStringList& buttons = {}) = 0;
    // Files picked in an open panel; none when cancelled.
    virtual std::optional<QStringList> pickFiles(const QString& title) = 0;
    // One folder picked in an open panel (a file URL), which opens in startIn when
    // it is given; none when cancelled.
    virtual std::optional<QUrl> pickFolder(const QString& title, const QString& startIn = {}) = 0;
    // One folder to convert, picked in an open panel that makes no folders; none when cancelled.
    virtual std::optional<QString> pickInputFolder(const QString& title) = 0;
};

// The real dialogs: message boxes and file dialogs over the given window.
class WidgetDialogs : public ModalDialogs {
public:
    explicit WidgetDialogs(QWidget* parent) : parent_(parent) {}
    int runAlert(const QString& message, const QString& informative, const QStringList& buttons) override;
    std::optional<QStringList> pickFiles(const QString& title) override;
    std::optional<QUrl> pickFolder(const QString& title, const QString& startIn = {}) override;
    std::optional<QString> pickInputFolder(const QString& title) override;

private:
    QWidget* parent_;
};
