#include "DesktopIntegration.h"

#include "platform/Log.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <QVariantMap>

namespace {

// The bus daemon answers its own questions at once; this only guards against a stuck one.
constexpr int kBusTimeoutMs = 1000;
// A service the bus has to start first may take a few seconds to answer.
constexpr int kServiceTimeoutMs = 10000;

const QString kNotifications = QStringLiteral("org.freedesktop.Notifications");
const QString kFileManager = QStringLiteral("org.freedesktop.FileManager1");

QDBusMessage busQuestion(const QString& method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                       QStringLiteral("/org/freedesktop/DBus"),
                                                       QStringLiteral("org.freedesktop.DBus"), method);
    call.setArguments(arguments);
    return call;
}

// Calls back with the reply of an asynchronous call, on the event loop; nothing waits.
void whenAnswered(const QDBusConnection& bus, const QDBusMessage& call, int timeoutMs,
                  std::function<void(const QDBusMessage& reply)> then)
{
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, timeoutMs), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [then = std::move(then)](QDBusPendingCallWatcher* w) {
                         then(w->reply());
                         w->deleteLater();
                     });
}

// Someone owns the name, or the bus knows how to start its owner.
void whenServiceKnown(const QDBusConnection& bus, const QString& name, std::function<void(bool)> then)
{
    whenAnswered(bus, busQuestion(QStringLiteral("NameHasOwner"), {name}), kBusTimeoutMs,
                 [bus, name, then = std::move(then)](const QDBusMessage& owned) {
                     if (owned.type() == QDBusMessage::ReplyMessage && owned.arguments().value(0).toBool())
                         return then(true);
                     whenAnswered(bus, busQuestion(QStringLiteral("ListActivatableNames"), {}), kBusTimeoutMs,
                                  [name, then](const QDBusMessage& names) {
                                      then(names.type() == QDBusMessage::ReplyMessage
                                           && names.arguments().value(0).toStringList().contains(name));
                                  });
                 });
}

void openFolderOf(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

} // namespace

void notifyDesktop(const QString& summary, const QString& body, std::function<void(bool)> done)
{
    notifyDesktop(QDBusConnection::sessionBus(), summary, body, std::move(done));
}

void notifyDesktop(const QDBusConnection& bus, const QString& summary, const QString& body,
                   std::function<void(bool)> done)
{
    if (!done)
        done = [](bool) {};
    if (!bus.isConnected())
        return done(false);
    whenServiceKnown(bus, kNotifications, [bus, summary, body, done](bool available) {
        if (!available)
            return done(false);
        QDBusMessage call = QDBusMessage::createMethodCall(
            kNotifications, QStringLiteral("/org/freedesktop/Notifications"), kNotifications, QStringLiteral("Notify"));
        const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral(QELVANTO_APP_ID)}};
        call.setArguments({QStringLiteral("Qelvanto"), uint(0), QStringLiteral(QELVANTO_APP_ID), summary, body,
                           QStringList(), hints, qint32(-1)});
        // Nothing waits for the answer; a refusal is only worth a debug line.
        whenAnswered(bus, call, kServiceTimeoutMs, [](const QDBusMessage& reply) {
            if (reply.type() == QDBusMessage::ErrorMessage)
                qCDebug(lcUi) << "notification refused:" << reply.errorMessage();
        });
        done(true);
    });
}

void showInFileManager(const QString& path)
{
    showInFileManager(QDBusConnection::sessionBus(), path);
}

void showInFileManager(const QDBusConnection& bus, const QString& path)
{
    if (!bus.isConnected()) {
        openFolderOf(path);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kFileManager, QStringLiteral("/org/freedesktop/FileManager1"),
                                                       kFileManager, QStringLiteral("ShowItems"));
    const QString uri = QString::fromLatin1(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded());
    call.setArguments({QStringList{uri}, QString()});
    // Without a file manager the bus says so at once, and the folder opens instead.
    whenAnswered(bus, call, kServiceTimeoutMs, [path](const QDBusMessage& reply) {
        if (reply.type() == QDBusMessage::ErrorMessage) {
            qCDebug(lcUi) << "no file manager on the bus:" << reply.errorMessage();
            openFolderOf(path);
        }
    });
}
